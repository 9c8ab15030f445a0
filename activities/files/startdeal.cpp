#include "activities/files/startdeal.h"

#include <algorithm>
#include <numeric>

#include "activities/labelling/startorder.h"

namespace activityfiles {

namespace {

labelling::Place placeOf(QPointF p) {
    return {static_cast<float>(p.x()), static_cast<float>(p.y())};
}

}  // namespace

std::vector<int> dealStartPlaces(const DragPlan& plan, const std::function<double()>& draw) {
    std::vector<labelling::Place> starts, boxes;
    std::vector<int> groups;
    for (const Box& b : plan.boxes) {
        starts.push_back(placeOf(b.start));
        boxes.push_back(placeOf(b.box.topLeft()));
        groups.push_back(b.group);
    }
    return labelling::dealStarts(
        starts, boxes, groups,
        plan.headings.empty() ? labelling::Giveaway::BoxOrder : labelling::Giveaway::SharedColumns,
        draw);
}

QStringList dealtWordBank(const DragPlan& plan, const std::function<double()>& draw) {
    const std::vector<int> deal = dealStartPlaces(plan, draw);
    std::vector<int> order(deal.size());
    std::iota(order.begin(), order.end(), 0);
    // By rows from the top, each row from the left, as the deal was judged.
    const auto start = [&](int word) { return plan.boxes[static_cast<size_t>(deal[word])].start; };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return start(a).y() != start(b).y() ? start(a).y() < start(b).y()
                                            : start(a).x() < start(b).x();
    });
    QStringList bank;
    for (int word : order) bank << plan.boxes[static_cast<size_t>(word)].word;
    return bank;
}

}  // namespace activityfiles
