#pragma once
#include <QCoreApplication>

#include "menus/menuslots.h"
#include "ui/form.h"
#include "ui/label.h"

// Why a topic is greyed, in a teacher's words and the menus' colours: the file, its line at
// fault and what to do, and the folder's path below, smaller, for whoever looks after the
// computer. "Open in
// the Activity Maker" starts the Maker on the file; OK or Escape closes it.
class ProblemMessage : public ui::Form {
    Q_DECLARE_TR_FUNCTIONS(ProblemMessage)

  public:
    static constexpr const char* Name = "topicproblem";
    ProblemMessage();

    void onLoad() override;
    void tell(const QString& topic, const menus::SlotProblem& problem);
    void okClicked();
    void openInMakerClicked();
    void onCloseRequested() override { okClicked(); }

    ui::Label heading{*this, "Label1"};
    ui::Label where{*this, "Label2"};
    ui::Label message{*this, "Label3"};
    ui::Label more{*this, "Label4"};
    ui::Label okButton{*this, "Label5"};
    ui::Label folderPath{*this, "Label6"};
    ui::Label openButton{*this, "Label7"};

  private:
    QString path_;
};
