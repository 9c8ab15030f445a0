#include "app/backdrop.h"

#include "ui/platform.h"

using namespace ui;

Backdrop::Backdrop() : Form(Name) {
    setBorderStyle(BorderStyle::None);
    setStaysBehind(true);
    setCaption(" ");
}

void Backdrop::onLoad() {
    setBackColor(RGB(48, 133, 214));
    // Covers the display as a plain window: a full-screen state would let the window
    // manager bring it to the front.
    const QSizeF display = platform().displayTwips();
    setLeft(0);
    setTop(0);
    setWidth(static_cast<float>(display.width()));
    setHeight(static_cast<float>(display.height()));
}
