#include "activities/wordgame/scramble.h"

#include <algorithm>
#include <numeric>

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
    // An order that reads as the answer gives it away (three items one time in six): shuffle
    // again a few times, then turn them round by one place, which changes any order of two
    // different items. A bound, as scripted draws may repeat.
    const auto showsAnswer = [&] {
        for (size_t i = 0; i < order.size(); ++i)
            if (items[order[i]] != items[i]) return false;
        return std::any_of(items.begin(), items.end(),
                           [&](const QString& s) { return s != items[0]; });
    };
    for (int again = 0; again < kReshuffles && showsAnswer(); ++again) shuffle(order, drawIndex);
    if (showsAnswer()) std::rotate(order.begin(), order.begin() + 1, order.end());
    return order;
}

}  // namespace wordgame
