#pragma once
// A drag-and-drop board with no widgets: the boxes words belong on and the home slots they
// start in, as rectangles in twips; where each word lies; which pointer carries which word;
// snapping, Check Score and the score. The labelling screen draws it and feeds it input; the
// planner and the Maker ask it whether a box is placed and clear of the others.
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace labelling {

struct Place {
    float left, top;
    bool operator==(const Place&) const = default;  // exactly, as snapping copies them
};

// Kept as assigned, so that a word snapped to a box lies exactly at its corner.
struct Rect {
    float left = 0, top = 0, width = 0, height = 0;

    Place topLeft() const { return {left, top}; }
    // A box with no area has no place on the screen: its point lies off the picture.
    bool isEmpty() const { return width <= 0 || height <= 0; }
    // Whether they share some area; edges that only touch do not.
    bool overlaps(const Rect& other) const;
};

// Where a word lies: on a box, in a home slot, or loose where a drag left it.
struct Spot {
    enum Kind { Box, Home, Loose } kind = Home;
    int index = 0;            // the box or home slot
    float left = 0, top = 0;  // a loose word's top-left corner
};

class Board {
  public:
    // Word i belongs on box i and starts in home slot i. Words alike (the same `alike`) may
    // stand for one another, and a box of the same `group` as a word's own counts as its own.
    struct Piece {
        Rect box, home;
        int group = 0;
        int alike = 0;
    };
    explicit Board(std::vector<Piece> pieces);

    int size() const { return static_cast<int>(pieces_.size()); }
    const Rect& box(int i) const { return pieces_[i].box; }
    const Rect& home(int i) const { return pieces_[i].home; }
    void moveHome(int slot, Place at);

    // The boxes before `before` that a box at `r` would lie over.
    std::vector<int> under(const Rect& r, int before) const;
    // The boxes before `box` that it lies over.
    std::vector<int> overlapped(int i) const { return under(box(i), i); }
    // By box: it has no place, or lies over another.
    std::vector<bool> misplaced() const;

    const Spot& spotOf(int word) const { return spots_[word]; }
    Place positionOf(const Spot& spot) const;
    Place placeOf(int word) const { return positionOf(spots_[word]); }
    void put(int word, const Spot& spot) { spots_[word] = spot; }
    // Drops the word where it lies: a word whose corner is strictly inside a box's or slot's
    // zone (from half a box to the left and above, to its right and bottom edges) snaps there.
    // Every zone is tried in order from where the word lies now, so the last snap stands.
    void drop(int word);
    // Whether the word lies exactly where the box is, as a word in a slot there would.
    bool isOn(int word, int box) const;
    // Check Score is there once every word lies on a box, until Start Again.
    bool checkable() const { return checkable_; }
    // Each word on a box of its group, a group counting as many alike words as belong there.
    int score() const;
    // Every hand lets go, every word goes home, and Check Score goes.
    void startAgain();

    // Each pointer that pressed a word carries it, unless another pointer carries it already.
    void press(int pointer, int word);
    // The word the pointer carries (-1: none, as when Start Again took it), or nothing when
    // the pointer pressed no word.
    std::optional<int> carriedBy(int pointer) const;
    // Forgets the pointer, and gives what it carried.
    std::optional<int> letGo(int pointer);
    // The pointer that carries the word, other than `besides`; -1 if none does.
    int carrierOf(int word, int besides = -1) const;
    // Marks the pointer as past the drag distance; true the first time.
    bool startDragging(int pointer) { return dragging_.insert(pointer).second; }

  private:
    std::vector<Piece> pieces_;
    std::vector<Spot> spots_;
    std::map<int, int> carried_;
    std::set<int> dragging_;
    bool checkable_ = false;
};

}  // namespace labelling
