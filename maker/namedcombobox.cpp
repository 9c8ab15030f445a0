#include "maker/namedcombobox.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace maker {

namespace {

class NamedComboBox : public QAccessibleWidget {
  public:
    explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return box()->currentText();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* named(const QString& className, QObject* object) {
    auto* box = qobject_cast<QComboBox*>(object);
    if (className != "QComboBox" || !box || box->accessibleName().isEmpty() || box->isEditable())
        return nullptr;
    return new NamedComboBox(box);
}

}  // namespace

void nameComboBoxes() {
    static const bool installed = (QAccessible::installFactory(named), true);
    (void)installed;
}

}  // namespace maker
