#pragma once
// A topic's entry on its menu, which every topic a file gives must fit on the narrowest menu.
#include "ui/fonts.h"

namespace activityfiles {

constexpr ui::FontSpec kTopicFont{"Tahoma", 15.75f, true};
constexpr float kTopicHeight = 495;
constexpr float kNarrowestTopicWidth = 4455;

}  // namespace activityfiles
