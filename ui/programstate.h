#pragma once
// The program-wide variables and the common setup every full-size screen applies to itself.

namespace ui {

class Form;

struct ProgramState {
    // The outer size of every full-size screen, in twips.
    static constexpr float kScreenWidth = 12000;
    static constexpr float kScreenHeight = 9000;

    static inline int titleFrame = 0;        // the title animation's picture number
    static inline bool hideDesktop = false;  // the desktop is hidden behind the backdrop
    static inline int labelCount = 0;        // draggable labels of the last labelling screen

    // Blue background, no icon, 12000 by 9000 twips, centred on the display, and the
    // standard picture buttons dressed where the screen has them.
    static void applyScreenLayout(Form& screen);

    static void reset() {
        titleFrame = labelCount = 0;
        hideDesktop = false;
    }
};

}  // namespace ui
