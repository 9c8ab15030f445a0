#include "activities/wordgame/scramble.h"

#include <algorithm>
#include <numeric>

#include "activities/wordgame/shownrow.h"

namespace wordgame {

namespace {

constexpr int kPasses = 100;    // swaps of every place with a drawn one, per shuffle
constexpr int kReshuffles = 5;  // shuffles more of an order that came out unmixed

void shuffle(std::vector<int>& order, const DrawIndex& drawIndex) {
    const int n = static_cast<int>(order.size());
    for (int pass = 0; pass < kPasses; ++pass)
        for (int k = 0; k < n; ++k) std::swap(order[k], order[drawIndex(n)]);
}

}  // namespace

QString asShown(QString w) {
    if (!w.isEmpty() && w[0] >= QLatin1Char('A') && w[0] <= QLatin1Char('Z'))
        w[0] = QChar(w[0].unicode() + ('a' - 'A'));
    return w;
}

std::vector<int> scrambledOrder(const QStringList& items, const DrawIndex& drawIndex) {
    std::vector<int> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    if (order.empty()) return order;
    shuffle(order, drawIndex);
    // An order that reads as the answer gives it away (three items one time in six), and some
    // orders spell a word no child should be shown: shuffle again a few times, then mend the
    // order by turning it round or swapping two. A bound, as scripted draws may repeat.
    for (int again = 0; again < kReshuffles && !mayShow(order, items); ++again)
        shuffle(order, drawIndex);
    if (!mayShow(order, items)) order = mended(order, items);
    return order;
}

}  // namespace wordgame
