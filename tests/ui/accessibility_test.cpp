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
            const QString where = QStringLiteral("%1 %2(%3)").arg(name, c.name()).arg(c.index());
            const QString spoken = node->text(QAccessible::Name);
            if (node->role() == QAccessible::Button) {
                ++buttons;
                EXPECT_FALSE(spoken.isEmpty()) << where.toStdString();
                EXPECT_TRUE(node->actionInterface()->actionNames().contains(
                    QAccessibleActionInterface::pressAction()))
                    << where.toStdString();
            }
            EXPECT_EQ(node->state().disabled, !c.Enabled()) << where.toStdString();
            if (!c.Visible()) continue;  // a hidden slot is described when it is shown
            if (auto* label = dynamic_cast<const Label*>(&c)) {
                EXPECT_EQ(node->role(),
                          c.clickable() ? QAccessible::Button : QAccessible::StaticText)
                    << where.toStdString();
                if (!label->Caption().trimmed().isEmpty()) {
                    EXPECT_EQ(spoken, label->Caption().simplified()) << where.toStdString();
                }
            } else if (dynamic_cast<const CommandButton*>(&c)) {
                EXPECT_EQ(node->role(), QAccessible::Button) << where.toStdString();
            } else if (auto* box = dynamic_cast<const CheckBox*>(&c)) {
                EXPECT_EQ(node->role(), QAccessible::CheckBox) << where.toStdString();
                EXPECT_EQ(spoken, box->Caption());
                EXPECT_EQ(node->state().checked, box->Value() != 0);
            } else if (auto* option = dynamic_cast<const OptionButton*>(&c)) {
                EXPECT_EQ(node->role(), QAccessible::RadioButton) << where.toStdString();
                EXPECT_EQ(spoken, option->Caption());
                EXPECT_EQ(node->state().checked, option->Value());
            } else if (dynamic_cast<const PictureBox*>(&c)) {
                EXPECT_EQ(node->role(), QAccessible::Graphic) << where.toStdString();
                EXPECT_FALSE(node->text(QAccessible::Description).isEmpty()) << where.toStdString();
            }
        }
        EXPECT_GT(buttons, 0) << name;
        EXPECT_EQ(reached, form->controls().size()) << name;  // nothing left out of the tree
        forms().clear();
        settle();
    }
}
