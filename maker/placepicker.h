#pragma once
// A menu's five entries as the places an activity may take, each saying what stands there
// now; a place the library would refuse is shown greyed, with the reason.
#include <QCoreApplication>
#include <QWidget>
#include <vector>

class QToolButton;

#include "maker/context.h"

namespace maker {

class PlacePicker : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(PlacePicker)

  public:
    PlacePicker(Context& context, int menu, QWidget* parent = nullptr);
    // Marks the place whose caption is the topic.
    void showTopic(const QString& topic);

  private:
    std::vector<QToolButton*> buttons_;
    std::vector<QString> captions_;  // by button, as files give them (shown translated)
};

}  // namespace maker
