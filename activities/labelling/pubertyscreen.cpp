#include "activities/labelling/pubertyscreen.h"

using namespace ui;

namespace {

// Word, box Left and Top (its column in the comment), start Left and Top.
constexpr labelling::Word kWords[] = {
    {"Body hair starts to grow", {8400, 720}, {8760, 6000}},                    // Boys
    {"Body hair starts to grow", {5280, 720}, {6120, 6000}},                    // Girls
    {"Periods begin", {5280, 4560}, {3480, 6000}},                              // Girls
    {"Hips widen", {5280, 2640}, {3480, 6960}},                                 // Girls
    {"Ovaries begin to release eggs once a month", {5280, 3600}, {840, 6960}},  // Girls
    {"Breasts grow", {5280, 1680}, {840, 6000}},                                // Girls
    {"Face hair starts to grow", {8400, 1680}, {6120, 6960}},                   // Boys
    {"Testicles start to make sperm", {8400, 2640}, {8760, 6960}},              // Boys
};

// The boxes of each column.
constexpr int kGirls[] = {1, 2, 3, 4, 5};
constexpr int kBoys[] = {0, 6, 7};

constexpr labelling::Layout kLayout{
    .caption = "Puberty",
    .clientWidth = 11790,
    .clientHeight = 8520,
    .wordWidth = 2445,
    .wordHeight = 795,
    .wordFont = {"Arial", 15.75f, true},
    .words = kWords,
    .score = {.left = 240, .top = 4320, .width = 3945, .height = 1065},
};

constexpr LabelDesign kTexts[] = {
    textDesign(240, 360, 3945, 3465, {"Arial", 18, true},
               "Girls' and boys' bodies change in many ways at puberty. Which of the changes "
               "described on the labels below refer to girls and which refer to boys?"),
    textDesign(8400, 120, 2385, 705, {"Arial", 24, true}, "Boys"),
    textDesign(5280, 120, 2385, 705, {"Arial", 24, true}, "Girls"),
};

// columnLines(0) to columnLines(2): the yellow lines that frame the two columns.
constexpr float kLineX[] = {8040, 4920, 11160};
constexpr float kLineTop = 240, kLineBottom = 5400;

}  // namespace

PubertyScreen::PubertyScreen() : LabellingScreen(Name, kLayout) {
    for (int i = 0; i < 3; ++i) headings.add(i).applyDesign(kTexts[i]);
    for (int i = 0; i < 3; ++i) {
        Line& line = columnLines.add(i);
        line.setBorderColor(colours::kYellow);
        line.setBorderWidth(3);
        line.setEnds(kLineX[i], kLineTop, kLineX[i], kLineBottom);
    }
}

void PubertyScreen::loadScreen() {}

int PubertyScreen::score() const {
    const auto onColumn = [this](int label, std::span<const int> column) {
        for (int box : column)
            if (isOn(label, box)) return true;
        return false;
    };
    // Either body-hair label may stand for either column: the pair scores one for the Girls
    // column and one for the Boys column when some body-hair label lies there. A label lying
    // on no box scores nothing.
    int correct = 0;
    if (onColumn(0, kGirls) || onColumn(1, kGirls)) ++correct;
    if (onColumn(0, kBoys) || onColumn(1, kBoys)) ++correct;
    for (int j = 2; j <= 5; ++j)
        for (int i = 1; i <= 5; ++i) correct += isOn(j, i) ? 1 : 0;
    for (int j = 6; j <= 7; ++j) {
        correct += isOn(j, 0) ? 1 : 0;
        for (int i = 6; i <= 7; ++i) correct += isOn(j, i) ? 1 : 0;
    }
    return correct;
}
