// What assistive technology finds on every screen: each clickable label and picture button a
// named button, each picture slot described, check boxes and options in their own roles, and
// the focus where the keys put it.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

#include "app/mainscreen.h"
#include "tests/monkey/monkey.h"
#include "tests/support/screentest.h"
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
            EXPECT_EQ(node->state().disabled, !c.Enabled()) << where;
            if (!c.Visible()) continue;  // a hidden slot is described when it is shown
            // What can be clicked is a named button that can be pressed; a picture is described;
            // a caption is spoken as shown.
            if (c.clickable()) {
                ++buttons;
                EXPECT_TRUE(node->role() == QAccessible::Button ||
                            node->role() == QAccessible::CheckBox ||
                            node->role() == QAccessible::RadioButton)
                    << where;
                EXPECT_FALSE(node->text(QAccessible::Name).isEmpty()) << where;
                EXPECT_FALSE(node->actionInterface()->actionNames().isEmpty()) << where;
            }
            if (dynamic_cast<const PictureBox*>(&c)) {
                EXPECT_FALSE(node->text(QAccessible::Description).isEmpty()) << where;
            }
            if (dynamic_cast<const Label*>(&c) && !c.shownCaption().trimmed().isEmpty()) {
                EXPECT_EQ(node->text(QAccessible::Name), c.shownCaption().simplified()) << where;
            }
        }
        EXPECT_GT(buttons, 0) << name;
        EXPECT_EQ(reached, form->controls().size()) << name;  // nothing left out of the tree
        forms().clear();
        settle();
    }
}

TEST_F(AccessibilityTest, TheFocusAndTheActionsAreReportedAsTheKeysAndClicksHaveThem) {
    MainScreen& main = forms().show<MainScreen>();
    const auto node = [](const Control& c) {
        return QAccessible::queryAccessibleInterface(c.widget());
    };
    settle();
    QTest::keyClick(main.window(), Qt::Key_Tab);  // from Hide Desktop to the Teachers' Guide
    EXPECT_TRUE(node(main.menuEntries(7))->state().focused);
    EXPECT_FALSE(node(main.hideDesktop)->state().focused);
    node(main.hideDesktop)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(main.hideDesktop.Value() == 1 && node(main.hideDesktop)->state().checked);
    // A disabled entry does nothing, as it takes no clicks.
    main.menuEntries(7).setEnabled(false);
    int clicks = 0;
    main.menuEntries.Click = [&](int) { ++clicks; };
    node(main.menuEntries(7))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 0);
}
