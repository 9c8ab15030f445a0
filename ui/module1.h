#pragma once
// The program-wide variables and the common setup every full-size screen applies to itself.

namespace ui {

class Form;

struct Module1 {
    // The outer size of every full-size screen, in twips.
    static constexpr float kScreenWidth = 12000;
    static constexpr float kScreenHeight = 9000;

    static inline int framenumber = 0;  // the title animation's picture number
    static inline int hidedesktop = 0;  // 1 while the desktop is hidden behind the backdrop
    static inline int labelcount = 0;   // draggable labels of the last labelling screen

    // Blue background, no icon, 12000 by 9000 twips, centred on the display, and the
    // standard picture buttons dressed where the screen has them.
    static void setupscreen(Form& screen);

    static void reset() { framenumber = hidedesktop = labelcount = 0; }
};

}  // namespace ui
