#pragma once
// The skeleton picture's place and the pointer lines drawn over it. The picture generator
// reads these too, so that every bone lies at the end of its line.

namespace skeleton {

constexpr float kPictureLeft = 6480, kPictureTop = -120;
constexpr float kPictureWidth = 2655, kPictureHeight = 8400;

struct PointerLine {
    const char* bone;
    float x1, y1, x2, y2;
};

// pointerLines(0) to pointerLines(7). A line of the left column runs from its box to the bone at
// (x2, y2); one of the right column runs from the bone at (x1, y1) to its box.
constexpr PointerLine kLines[8] = {
    {"Skull", 6000, 480, 7680, 480},
    {"Rib Cage", 8280, 2160, 9600, 2160},
    {"Knee cap", 6000, 6360, 7680, 6360},
    {"Spine", 6000, 2640, 7920, 2640},
    {"Thigh Bone", 6000, 5040, 7560, 5040},
    {"Pelvis", 8400, 3360, 9600, 3360},
    {"Shoulder Blade", 6000, 1440, 7260, 1440},
    {"Collar Bone", 8370, 1380, 9600, 1380},
};

// The end of a line that touches its bone, in the window's twips.
constexpr float tipX(const PointerLine& l) {
    return l.x1 < kPictureLeft ? l.x2 : l.x1;
}
constexpr float tipY(const PointerLine& l) {
    return l.x1 < kPictureLeft ? l.y2 : l.y1;
}

}  // namespace skeleton
