#pragma once
// A picture of the activity: its name and a button to choose another, which is copied
// beside the activity. A picture that cannot be used leaves the old one, with a message.
#include <QCoreApplication>
#include <QWidget>
#include <functional>

#include "maker/context.h"
#include "maker/fieldbinder.h"

class QPushButton;

namespace maker {

class PictureField : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(PictureField)

  public:
    // `whose` names the entry the picture belongs to ("question 2"), when there are several.
    PictureField(Context& context, FieldBinder& binder, const FieldRef& field, const QString& whose,
                 FieldBinder::Get<QString> get, FieldBinder::Set<QString> set,
                 bool optional = false);

    // Chooses through the dialogs, copies, and sets the field; false when nothing changed.
    bool choose();

  private:
    Context& context_;
    FieldRef field_;
    FieldBinder::Set<QString> set_;
};

}  // namespace maker
