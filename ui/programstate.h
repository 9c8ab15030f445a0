#pragma once
// The size of every full-size screen and the common setup each applies to itself.

namespace ui {

class Form;

struct ProgramState {
    // The outer size of every full-size screen, in twips.
    static constexpr float kScreenWidth = 12000;
    static constexpr float kScreenHeight = 9000;

    // Blue background, no icon, 12000 by 9000 twips, centred on the display, and the
    // standard picture buttons dressed where the screen has them.
    static void applyScreenLayout(Form& screen);
};

}  // namespace ui
