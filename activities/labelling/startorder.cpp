#include "activities/labelling/startorder.h"

#include <algorithm>
#include <numeric>

namespace labelling {

namespace {

constexpr int kDeals = 20;

// Indexes into `places` in reading order: by rows from the top, each row from the left.
std::vector<int> readingOrder(std::span<const Place> places) {
    std::vector<int> order(places.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return places[a].top != places[b].top ? places[a].top < places[b].top
                                              : places[a].left < places[b].left;
    });
    return order;
}

class Dealer {
  public:
    Dealer(std::span<const Place> starts, std::span<const Place> boxes, std::span<const int> groups,
           Giveaway rule)
        : groups_(groups), rule_(rule), startsRead_(readingOrder(starts)) {
        for (int box : readingOrder(boxes)) boxGroupsRead_.push_back(groups[box]);
    }

    // How much a deal (word i at start place deal[i]) gives away; 0: nothing.
    int giveaway(const std::vector<int>& deal) const {
        const int n = static_cast<int>(deal.size());
        std::vector<int> wordAt(n);
        for (int i = 0; i < n; ++i) wordAt[deal[i]] = i;
        std::vector<int> read;  // the words' groups in the start places' reading order
        for (int place : startsRead_) read.push_back(groups_[wordAt[place]]);
        if (rule_ == Giveaway::BoxOrder) return read == boxGroupsRead_ ? 1 : 0;
        int shared = 0;
        for (int k = 1; k < n; ++k) shared += read[k] == read[k - 1] ? 1 : 0;
        return 2 * shared > n - 1 ? shared : 0;
    }

  private:
    std::span<const int> groups_;
    Giveaway rule_;
    std::vector<int> startsRead_;
    std::vector<int> boxGroupsRead_;
};

}  // namespace

std::vector<int> dealStarts(std::span<const Place> starts, std::span<const Place> boxes,
                            std::span<const int> groups, Giveaway rule,
                            const std::function<double()>& draw) {
    const int n = static_cast<int>(starts.size());
    const Dealer dealer(starts, boxes, groups, rule);
    std::vector<int> deal(n);
    for (int round = 0; round < kDeals; ++round) {
        std::iota(deal.begin(), deal.end(), 0);
        for (int i = n - 1; i > 0; --i)
            std::swap(deal[i], deal[std::clamp(static_cast<int>(draw() * (i + 1)), 0, i)]);
        if (dealer.giveaway(deal) == 0) return deal;
    }
    // Each time the swap of two words that gives away least, while one still helps.
    for (int bad = dealer.giveaway(deal); bad > 0;) {
        int bestA = -1, bestB = -1, best = bad;
        for (int a = 0; a < n; ++a) {
            for (int b = a + 1; b < n; ++b) {
                std::swap(deal[a], deal[b]);
                if (const int g = dealer.giveaway(deal); g < best) {
                    best = g;
                    bestA = a;
                    bestB = b;
                }
                std::swap(deal[a], deal[b]);
            }
        }
        if (bestA < 0) break;
        std::swap(deal[bestA], deal[bestB]);
        bad = best;
    }
    return deal;
}

}  // namespace labelling
