#include "ui/screentext.h"

#include <QCoreApplication>

namespace ui {

QString screenText(const char* text) {
    return QCoreApplication::translate("Screens", text);
}

}  // namespace ui
