#pragma once
#include "menus/menuslots.h"
#include "ui/form.h"
#include "ui/label.h"

// Why a topic is greyed: the file, its folder, the line and column, and the problem in a
// teacher's words, in the menus' colours. OK or Escape closes it.
class ProblemMessage : public ui::Form {
  public:
    static constexpr const char* Name = "topicproblem";
    ProblemMessage();

    void onLoad() override;
    void tell(const QString& topic, const menus::SlotProblem& problem);
    void okClicked();
    void onCloseRequested() override { okClicked(); }

    ui::Label heading{*this, "Label1"};
    ui::Label where{*this, "Label2"};
    ui::Label message{*this, "Label3"};
    ui::Label more{*this, "Label4"};
    ui::Label okButton{*this, "Label5"};
};
