#include "activities/questions/flashing.h"

namespace questions {

namespace {
void paint(const FlashColours& colours, ui::Label& button, ui::Colour c) {
    if (colours.fill)
        button.setBackColor(c);
    else
        button.setForeColor(c);
}
}  // namespace

void flashStep(const FlashColours& colours, std::int16_t& flash, ui::Label& right) {
    flash = static_cast<std::int16_t>((flash + 1) % 2);
    paint(colours, right, colours.phase[flash]);
}

void stopFlashing(const FlashColours& colours, ui::Timer& timer, std::int16_t& flash,
                  ui::ControlArray<ui::Label>& answers) {
    timer.setEnabled(false);
    flash = 0;
    for (int i : answers.indices()) paint(colours, answers(i), colours.steady);
}

}  // namespace questions
