// What assistive technology finds on every screen: each clickable label and picture button a
// named button, each picture slot described, check boxes and options in their own roles.
#include <QAccessible>
#include <QAccessibleActionInterface>

#include "tests/monkey/monkey.h"
#include "tests/support/screentest.h"
#include "ui/choice.h"
#include "ui/commandbutton.h"
#include "ui/controlwidget.h"
#include "ui/label.h"
#include "ui/picturebox.h"

using namespace ui;

namespace {

using AccessibilityTest = ScreenTest;

// Every interface below `root`, depth first.
void walk(QAccessibleInterface* root, std::vector<QAccessibleInterface*>& out) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child) continue;
        out.push_back(child);
        walk(child, out);
    }
}

}  // namespace

TEST_F(AccessibilityTest, EveryScreensTreeNamesItsButtonsAndDescribesItsPictures) {
    for (const char* name : monkey::kScreens) {
        if (QString(name) == "Grey") continue;  // the backdrop: nothing on it
        Form* form = forms().show(name);
        ASSERT_NE(form, nullptr) << name;
        passTime(5);  // the screens' one-tick timers lay them out
        settle();
        std::vector<QAccessibleInterface*> tree;
        walk(QAccessible::queryAccessibleInterface(form->window()), tree);

        int buttons = 0;
        size_t reached = 0;
        for (QAccessibleInterface* node : tree) {
            auto* widget = dynamic_cast<ControlWidget*>(node->object());
            if (!widget || !widget->control()) continue;
            ++reached;
            const Control& c = *widget->control();
            const std::string where =
                QString("%1 %2(%3)").arg(name, c.name()).arg(c.index()).toStdString();
            const QString spoken = node->text(QAccessible::Name);
            if (node->role() == QAccessible::Button) {
                ++buttons;
                EXPECT_FALSE(spoken.isEmpty()) << where;
                EXPECT_TRUE(node->actionInterface()->actionNames().contains(
                    QAccessibleActionInterface::pressAction()))
                    << where;
            }
            EXPECT_EQ(node->state().disabled, !c.Enabled()) << where;
            if (!c.Visible()) continue;  // a hidden slot is described when it is shown
            const auto* box = dynamic_cast<const CheckBox*>(&c);
            const auto* option = dynamic_cast<const OptionButton*>(&c);
            const bool picture = dynamic_cast<const PictureBox*>(&c);
            const bool label = dynamic_cast<const Label*>(&c);
            const bool button = dynamic_cast<const CommandButton*>(&c);
            if (box || option || picture || label || button)
                EXPECT_EQ(node->role(), box                       ? QAccessible::CheckBox
                                        : option                  ? QAccessible::RadioButton
                                        : picture                 ? QAccessible::Graphic
                                        : c.clickable() || button ? QAccessible::Button
                                                                  : QAccessible::StaticText)
                    << where;
            if ((label || box || option) && !c.shownCaption().trimmed().isEmpty())
                EXPECT_EQ(spoken, c.shownCaption().simplified()) << where;
            if (box || option)
                EXPECT_EQ(node->state().checked, box ? box->Value() != 0 : option->Value())
                    << where;
            if (picture) EXPECT_FALSE(node->text(QAccessible::Description).isEmpty()) << where;
        }
        EXPECT_GT(buttons, 0) << name;
        EXPECT_EQ(reached, form->controls().size()) << name;  // nothing left out of the tree
        forms().clear();
        settle();
    }
}
