#pragma once
// What the program's own screens keep between one showing and the next.

struct ShellState {
    static inline int titleFrame = 0;        // the title animation's picture number
    static inline bool hideDesktop = false;  // the desktop is hidden behind the backdrop

    static void reset() {
        titleFrame = 0;
        hideDesktop = false;
    }
};
