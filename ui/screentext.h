#pragma once
// The words of the screens' design tables (captions, the names of picture buttons, picture
// descriptions) are marked where they are written, QT_TRANSLATE_NOOP("Screens", "..."), and
// translated as they are put on a control, all in that one context, so that a screen needs no
// code of its own for a caption from its table.
#include <QString>

namespace ui {

// The design text in the program's language: itself when there is no translation.
QString screenText(const char* text);

}  // namespace ui
