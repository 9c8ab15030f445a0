#include "maker/fieldbinder.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QVBoxLayout>

#include "maker/editsession.h"

namespace maker {

namespace {

// Whether `wanted` names the widget bound to `bound`: one item of a list (an answer, a
// heading) is that item's widget alone; the whole list is each of its items'.
bool covers(const FieldRef& wanted, const FieldRef& bound) {
    return wanted.key == bound.key && wanted.entry == bound.entry &&
           (wanted.item < 0 || wanted.item == bound.item);
}

}  // namespace

void FieldBinder::add(QWidget* widget, const FieldRef& field, std::function<void()> sync,
                      Get<QString> text) {
    bound_.push_back({widget, field, std::move(sync), widget->toolTip(), std::move(text)});
    bound_.back().sync();
}

void FieldBinder::line(QLineEdit* edit, const FieldRef& field, Get<QString> get, Set<QString> set) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this, field, set](const QString& t) {
        session_.edit(field, [&](Document& d) { set(d, t); });
    });
    add(
        edit, field,
        [this, edit, get] {
            const QString t = get(session_.document());
            if (edit->text() == t) return;
            edit->setText(t);
            // A long text shows its beginning, unless she is typing in it.
            if (!edit->hasFocus()) edit->setCursorPosition(0);
        },
        get);
}

void FieldBinder::text(QPlainTextEdit* edit, const FieldRef& field, Get<QString> get,
                       Set<QString> set) {
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, edit, field, set] {
        const QString t = edit->toPlainText();
        session_.edit(field, [&](Document& d) { set(d, t); });
    });
    add(
        edit, field,
        [this, edit, get] {
            const QString t = get(session_.document());
            if (edit->toPlainText() != t) edit->setPlainText(t);
        },
        get);
}

void FieldBinder::toggle(QAbstractButton* button, const FieldRef& field, Get<bool> get,
                         Set<bool> set) {
    // Toggled, not clicked: a screen reader's or switch's press toggles without a click.
    QObject::connect(button, &QAbstractButton::toggled, button, [this, field, set](bool on) {
        session_.edit(field, [&](Document& d) { set(d, on); });
    });
    add(button, field, [this, button, get] {
        const bool on = get(session_.document());
        if (button->isChecked() != on) button->setChecked(on);
    });
}

void FieldBinder::choice(QComboBox* box, const FieldRef& field, Get<int> get, Set<int> set) {
    QObject::connect(box, &QComboBox::activated, box, [this, field, set](int index) {
        session_.edit(field, [&](Document& d) { set(d, index); });
    });
    add(box, field, [this, box, get] {
        const int index = get(session_.document());
        if (box->currentIndex() != index) box->setCurrentIndex(index);
    });
}

void FieldBinder::show(QLabel* label, Get<QString> get) {
    add(label, {}, [this, label, get] { label->setText(get(session_.document())); });
}

void FieldBinder::follow(QWidget* widget, std::function<void(const Document&)> sync) {
    add(widget, {}, [this, sync] { sync(session_.document()); });
}

void FieldBinder::stand(QWidget* widget, const FieldRef& field) {
    add(widget, field, [] {});
}

void FieldBinder::sync() {
    for (Bound& b : bound_)
        if (b.widget) b.sync();
}

void FieldBinder::mark(const std::vector<FieldProblem>& problems) {
    for (Bound& b : bound_) {
        if (!b.widget || b.field.isNone()) continue;
        QStringList said;
        if (!b.help.isEmpty()) said << b.help;
        for (const FieldProblem& p : problems)
            if (covers(p.field, b.field)) said << p.message;
        const bool has = said.size() > (b.help.isEmpty() ? 0 : 1);
        b.widget->setToolTip(said.join('\n'));
        if (b.widget->property("problem").toBool() != has) {
            b.widget->setProperty("problem", has);
            b.widget->style()->unpolish(b.widget);
            b.widget->style()->polish(b.widget);
        }
    }
}

void FieldBinder::showOriginals(const Document& original) {
    for (const Bound& b : bound_) {
        if (!b.widget || !b.text) continue;
        const QString text = b.text(original);
        QWidget* parent = b.widget->parentWidget();
        if (text.trimmed().isEmpty() || !parent || !parent->layout()) {
            b.widget->setEnabled(false);
            continue;
        }
        auto* pair = new QWidget;
        if (!parent->layout()->replaceWidget(b.widget, pair)) {
            delete pair;
            continue;
        }
        auto* column = new QVBoxLayout(pair);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(2);
        auto* shown = new QLabel(text);
        shown->setObjectName("original");
        shown->setWordWrap(true);
        shown->setTextFormat(Qt::PlainText);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        column->addWidget(shown);
        column->addWidget(b.widget);
        b.widget->setAccessibleDescription(text);
    }
}

QWidget* FieldBinder::widgetFor(const FieldRef& field) const {
    for (const Bound& b : bound_)
        if (b.widget && covers(field, b.field)) return b.widget;
    return nullptr;
}

}  // namespace maker
