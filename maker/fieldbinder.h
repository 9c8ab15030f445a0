#pragma once
// Ties a form's widgets to the document's fields: what she types becomes an edit of its
// field, the widgets follow the document (after an undo too), and a problem is shown at the
// widget of its field.
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

#include "maker/tomlwriter.h"

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace maker {

class EditSession;

struct FieldProblem {
    FieldRef field;                // none: the activity as a whole
    QString message;               // in the form's plain words
    activityfiles::Problem found;  // as the catalogue gives it, in the file's words
};

class FieldBinder {
  public:
    template <class T>
    using Get = std::function<T(const Document&)>;
    template <class T>
    using Set = std::function<void(Document&, const T&)>;

    explicit FieldBinder(EditSession& session) : session_(session) {}

    void line(QLineEdit* edit, const FieldRef& field, Get<QString> get, Set<QString> set);
    void text(QPlainTextEdit* edit, const FieldRef& field, Get<QString> get, Set<QString> set);
    void toggle(QAbstractButton* button, const FieldRef& field, Get<bool> get, Set<bool> set);
    void choice(QComboBox* box, const FieldRef& field, Get<int> get, Set<int> set);
    // A widget that only shows something of the document.
    void show(QLabel* label, Get<QString> get);
    // Anything else a widget takes from the document.
    void follow(QWidget* widget, std::function<void(const Document&)> sync);
    // A widget that stands for a field without editing it (an entry's box, a picture).
    void stand(QWidget* widget, const FieldRef& field);

    void sync();
    void mark(const std::vector<FieldProblem>& problems);
    // For a translation: above each text field, its text in `original`, which the field
    // translates; a field whose original is empty has nothing to translate.
    void showOriginals(const Document& original);
    QWidget* widgetFor(const FieldRef& field) const;
    void clear() { bound_.clear(); }

  private:
    struct Bound {
        QPointer<QWidget> widget;
        FieldRef field;
        std::function<void()> sync;
        QString help;       // its own tooltip, which a problem's words go below
        Get<QString> text;  // of a text field
    };
    void add(QWidget* widget, const FieldRef& field, std::function<void()> sync,
             Get<QString> text = {});

    EditSession& session_;
    std::vector<Bound> bound_;
};

}  // namespace maker
