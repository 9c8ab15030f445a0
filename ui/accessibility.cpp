#include "ui/accessibility.h"

#include <QAccessibleWidget>

#include "ui/choice.h"
#include "ui/commandbutton.h"
#include "ui/controlwidget.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/line.h"
#include "ui/picturebox.h"

namespace ui {

namespace {

// The role follows the control's kind and, for a label, whether a press does anything (a
// label that only lights up under the pointer is text): handlers are wired after the control
// is made, so the role is worked out when asked.
QAccessible::Role roleOf(const Control& c) {
    if (dynamic_cast<const CheckBox*>(&c)) return QAccessible::CheckBox;
    if (dynamic_cast<const OptionButton*>(&c)) return QAccessible::RadioButton;
    if (dynamic_cast<const CommandButton*>(&c)) return QAccessible::Button;
    if (dynamic_cast<const PictureBox*>(&c)) return QAccessible::Graphic;
    if (dynamic_cast<const Frame*>(&c)) return QAccessible::Grouping;
    if (dynamic_cast<const Line*>(&c)) return QAccessible::Separator;
    if (dynamic_cast<const Label*>(&c))
        return c.clickable() ? QAccessible::Button : QAccessible::StaticText;
    return QAccessible::Client;
}

class ControlAccessible final : public QAccessibleWidget {
  public:
    explicit ControlAccessible(ControlWidget* widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override {
        const Control* c = control();
        return c ? roleOf(*c) : QAccessible::NoRole;
    }

    QString text(QAccessible::Text t) const override {
        const Control* c = control();
        if (!c) return {};
        switch (t) {
            case QAccessible::Name: {
                // Runs of blanks and line breaks lay a caption out; they are not spoken.
                const QString caption = c->shownCaption().simplified();
                return caption.isEmpty() ? c->Description() : caption;
            }
            case QAccessible::Description:
                return c->announcement().isEmpty() ? c->Description() : c->announcement();
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const Control* c = control();
        if (!c) return s;
        s.disabled = !c->Enabled();
        s.focusable = c->reactsToClick();
        if (const auto* box = dynamic_cast<const CheckBox*>(c)) {
            s.checkable = true;
            s.checked = box->Value() != 0;
        } else if (const auto* option = dynamic_cast<const OptionButton*>(c)) {
            s.checkable = true;
            s.checked = option->Value();
        }
        return s;
    }

    QStringList actionNames() const override {
        switch (role()) {
            case QAccessible::Button:
            case QAccessible::RadioButton:
                return {pressAction()};
            case QAccessible::CheckBox:
                return {toggleAction()};
            default:
                return {};
        }
    }

    void doAction(const QString& name) override {
        if (!actionNames().contains(name)) return;
        if (auto* w = static_cast<ControlWidget*>(widget())) w->activate();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    Control* control() const {
        const auto* w = static_cast<const ControlWidget*>(object());
        return w ? w->control() : nullptr;
    }
};

QAccessibleInterface* controlFactory(const QString&, QObject* object) {
    auto* widget = dynamic_cast<ControlWidget*>(object);
    return widget ? new ControlAccessible(widget) : nullptr;
}

}  // namespace

void installControlAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(controlFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace ui
