#pragma once
// One rule for where a drag screen's words start, on the board and on paper: dealt afresh from
// the random source so that the order a pupil reads them in never gives the answer away.
#include <QStringList>
#include <functional>
#include <vector>

#include "activities/files/layout.h"

namespace activityfiles {

// Word i's start place, as an index into the plan's boxes (whose `start` it takes). A sorting
// plan (one with headings) must not show a column at a time; any other, the boxes' order.
std::vector<int> dealStartPlaces(const DragPlan& plan, const std::function<double()>& draw);

// The plan's words in the reading order of the places they are dealt: a word bank that gives
// away no more than the board does.
QStringList dealtWordBank(const DragPlan& plan, const std::function<double()>& draw);

}  // namespace activityfiles
