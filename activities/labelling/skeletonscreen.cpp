#include "activities/labelling/skeletonscreen.h"

#include "activities/labelling/skeletonlines.h"

using namespace ui;

namespace {

constexpr float kStartLeft = 840;

// Word, box Left and Top, start Left and Top.
constexpr labelling::Word kWords[] = {
    {"Shoulder Blade", {3840, 1230}, {kStartLeft, 3360}},
    {"Skull", {3840, 270}, {kStartLeft, 2160}},
    {"Spine", {3840, 2430}, {kStartLeft, 2760}},
    {"Pelvis", {9660, 3150}, {kStartLeft, 4560}},
    {"Thigh Bone", {3840, 4830}, {kStartLeft, 3960}},
    {"Rib Cage", {9660, 1950}, {kStartLeft, 5160}},
    {"Knee cap", {3840, 6150}, {kStartLeft, 1560}},
    {"Collar Bone", {9660, 1170}, {kStartLeft, 5760}},
};

constexpr labelling::Layout kLayout{
    .caption = "The Skeleton",
    .clientWidth = 11790,
    .clientHeight = 8400,
    .wordWidth = 2085,
    .wordHeight = 435,
    .wordFont = {"Arial", 14.25f, true},
    .words = kWords,
    .score = {.left = 120, .top = 6960, .width = 3945, .height = 705},
};

constexpr LabelDesign kInstruction = textDesign(120, 480, 3585, 945, {"Arial", 18, true},
                                                "Match these labels to the correct bones.");

}  // namespace

SkeletonScreen::SkeletonScreen() : LabellingScreen(Name, kLayout) {
    PictureBox& picture = skeletonPicture.add(0);
    picture.setGeometry(skeleton::kPictureLeft, skeleton::kPictureTop, skeleton::kPictureWidth,
                        skeleton::kPictureHeight);
    picture.setMayOverhang(true);  // designed to stand above the client area
    picture.setDescription("A skeleton, with a line pointing to each bone to be named");
    for (int i = 0; i < 8; ++i) {
        const skeleton::PointerLine& l = skeleton::kLines[i];
        Line& line = pointerLines.add(i);
        line.setBorderColor(RGB(0, 255, 0));
        line.setBorderWidth(3);
        line.setEnds(l.x1, l.y1, l.x2, l.y2);
    }
    instruction.applyDesign(kInstruction);
}

void SkeletonScreen::loadScreen() {
    // Without its picture the screen still works: the boxes and lines are all there.
    if (auto picture = LoadPicture("Images\\skeleton.jpg")) skeletonPicture(0).setPicture(*picture);
}
