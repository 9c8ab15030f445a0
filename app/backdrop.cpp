#include "app/backdrop.h"

#include "ui/platform.h"
#include "ui/twips.h"

using namespace ui;

Backdrop::Backdrop() : Form(Name) {
    setBorderStyle(BorderStyle::None);
    setStaysBehind(true);
    setCaption(" ");
}

void Backdrop::onLoad() {
    setBackColor(RGB(48, 133, 214));
    // Covers the work area as a maximised window would, leaving the desktop's own panels in
    // view. Never full-screen: window managers keep a full-screen window above the others.
    const QRect area = platform().workArea();
    setLeft(Twips::toTwips(area.x()));
    setTop(Twips::toTwips(area.y()));
    setWidth(Twips::toTwips(area.width()));
    setHeight(Twips::toTwips(area.height()));
}
