#pragma once
// What the controls tell assistive technology (screen readers, switch access) through Qt's
// accessibility layer: a clickable label is a button named by its caption, a picture slot a
// graphic with its short description, check boxes and option buttons keep their own roles.

namespace ui {

// Makes every control's widget answer with its control's role, name and actions. Done once,
// by the first control made; doing it again changes nothing.
void installControlAccessibility();

}  // namespace ui
