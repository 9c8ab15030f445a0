#include "activities/labelling/board.h"

#include <algorithm>

namespace labelling {

namespace {

// The single-precision bounds of a box's zone: a word whose top-left corner lies strictly
// inside snaps to the box.
bool inZone(Place at, const Rect& box) {
    const float L = box.left, T = box.top, W = box.width, H = box.height;
    const auto bound = [](double v) { return static_cast<float>(v); };
    return bound(L - W / 2.0) < at.left && at.left < bound(L + static_cast<double>(W)) &&
           bound(T - H / 2.0) < at.top && at.top < bound(T + static_cast<double>(H));
}

}  // namespace

bool Rect::overlaps(const Rect& other) const {
    // In double, as the planner's rectangles are compared.
    const auto apart = [](double a, double aSize, double b, double bSize) {
        return a >= b + bSize || b >= a + aSize;
    };
    return !isEmpty() && !other.isEmpty() && !apart(left, width, other.left, other.width) &&
           !apart(top, height, other.top, other.height);
}

Board::Board(std::vector<Piece> pieces) : pieces_(std::move(pieces)) {
    spots_.resize(pieces_.size());
    for (int i = 0; i < size(); ++i) spots_[i] = {Spot::Home, i};
}

void Board::moveHome(int slot, Place at) {
    pieces_[slot].home.left = at.left;
    pieces_[slot].home.top = at.top;
}

std::vector<int> Board::under(const Rect& r, int before) const {
    std::vector<int> found;
    for (int j = 0; j < before; ++j)
        if (box(j).overlaps(r)) found.push_back(j);
    return found;
}

std::vector<bool> Board::misplaced() const {
    std::vector<bool> bad(pieces_.size(), false);
    for (int i = 0; i < size(); ++i) {
        if (box(i).isEmpty()) bad[i] = true;
        for (int j : overlapped(i)) bad[i] = bad[j] = true;
    }
    return bad;
}

Place Board::positionOf(const Spot& spot) const {
    switch (spot.kind) {
        case Spot::Box:
            return box(spot.index).topLeft();
        case Spot::Home:
            return home(spot.index).topLeft();
        case Spot::Loose:
            break;
    }
    return {spot.left, spot.top};
}

void Board::drop(int word) {
    Place at = placeOf(word);
    Spot spot{Spot::Loose, 0, at.left, at.top};
    for (int i = 0; i < size(); ++i) {
        if (inZone(at, box(i))) {
            at = box(i).topLeft();
            spot = {Spot::Box, i};
        }
        if (inZone(at, home(i))) {
            at = home(i).topLeft();
            spot = {Spot::Home, i};
        }
    }
    put(word, spot);
    int placed = 0;
    for (int j = 0; j < size(); ++j)
        for (int m = 0; m < size(); ++m) placed += isOn(j, m) ? 1 : 0;
    if (placed == size()) checkable_ = true;
}

bool Board::isOn(int word, int target) const {
    const Spot& spot = spots_[word];
    return spot.kind != Spot::Loose && positionOf(spot) == box(target).topLeft();
}

int Board::score() const {
    std::map<std::pair<int, int>, std::pair<int, int>> belongAndLie;
    for (int i = 0; i < size(); ++i) {
        const Piece& own = pieces_[i];
        ++belongAndLie[{own.alike, own.group}].first;
        for (int j = 0; j < size(); ++j) {
            if (!isOn(i, j)) continue;
            ++belongAndLie[{own.alike, pieces_[j].group}].second;
            break;
        }
    }
    int correct = 0;
    for (const auto& [key, counts] : belongAndLie) correct += std::min(counts.first, counts.second);
    return correct;
}

void Board::startAgain() {
    for (auto& [pointer, word] : carried_) word = -1;
    for (int i = 0; i < size(); ++i) spots_[i] = {Spot::Home, i};
    checkable_ = false;
}

void Board::press(int pointer, int word) {
    // A second hand on a word that one holds already does nothing.
    carried_[pointer] = carrierOf(word, pointer) >= 0 ? -1 : word;
    dragging_.erase(pointer);
}

std::optional<int> Board::carriedBy(int pointer) const {
    const auto it = carried_.find(pointer);
    return it == carried_.end() ? std::nullopt : std::optional<int>(it->second);
}

std::optional<int> Board::letGo(int pointer) {
    dragging_.erase(pointer);
    const auto it = carried_.find(pointer);
    if (it == carried_.end()) return std::nullopt;
    const int word = it->second;
    carried_.erase(it);
    return word;
}

int Board::carrierOf(int word, int besides) const {
    for (const auto& [pointer, carried] : carried_)
        if (carried == word && pointer != besides) return pointer;
    return -1;
}

}  // namespace labelling
