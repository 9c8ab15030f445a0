#pragma once
// Where each word of a screen starts, dealt out afresh so that the start places never give
// the answer away: the rows a pupil reads first must not be the boxes' order, nor a column
// at a time.
#include <functional>
#include <span>
#include <vector>

#include "activities/labelling/board.h"

namespace labelling {

// What a deal must not show in the start places' reading order (top to bottom, then left to
// right).
enum class Giveaway {
    BoxOrder,       // the words in the order of their boxes, read the same way
    SharedColumns,  // more than half of the neighbouring words of one column
};

// Word i's start place, as an index into `starts`. Every word has one of `groups` (words of
// one group are interchangeable; a sorting word's group is its column) and box `boxes[i]`.
// Deals by `draw` (uniform on [0, 1)) until a deal gives nothing away, a bounded number of
// times, then swaps two words of the last deal until it does or no swap helps.
std::vector<int> dealStarts(std::span<const Place> starts, std::span<const Place> boxes,
                            std::span<const int> groups, Giveaway rule,
                            const std::function<double()>& draw);

}  // namespace labelling
