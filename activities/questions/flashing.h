#pragma once
// The right answer button flashing between two colours, one phase per timer tick, until
// the next question. Screens keep their own phase variable and timer.
#include <cstdint>

#include "ui/colour.h"
#include "ui/controlarray.h"
#include "ui/label.h"
#include "ui/timer.h"

namespace questions {

struct FlashColours {
    bool fill;            // the fill flashes, or else the text
    ui::Colour phase[2];  // the colour shown in phase 0 and in phase 1
    ui::Colour steady;    // every answer button's own colour
};

// Advances the phase (0, 1, 0, ...) and colours the right button for it.
void flashStep(const FlashColours& colours, std::int16_t& flash, ui::Label& right);

// Timer off, phase 0 and every answer button in its own colour again.
void stopFlashing(const FlashColours& colours, ui::Timer& timer, std::int16_t& flash,
                  ui::ControlArray<ui::Label>& answers);

}  // namespace questions
