#pragma once

#include "rules/Domino.h"

#include <cstdint>

namespace pipwright::rules {

// Which end of the line a domino goes on; First for the domino that starts it.
enum class End : std::uint8_t { Left, Right, First };

// One open end: the half that is open, and whether the domino there is a double.
struct OpenEnd {
    int open = NoEnd;
    bool isDouble = false;
    friend bool operator==(const OpenEnd&, const OpenEnd&) = default;
};

// The dominoes laid in a hand and its two open ends.
class Line {
public:
    bool empty() const { return laidCount_ == 0; }
    int laidCount() const { return laidCount_; }
    DominoSet laid() const { return laid_; }
    const OpenEnd& left() const { return left_; }
    const OpenEnd& right() const { return right_; }
    // Whether the domino can go on that end: First only on an empty line, an
    // end only when a half matches it.
    bool fits(Domino domino, End end) const;
    // Lays a domino that fits.
    void lay(Domino domino, End end);
    // What the open ends count: each end its open half, or both halves when a
    // double lies there; a lone domino counts its pips once.
    int count() const;
    friend bool operator==(const Line&, const Line&) = default;

private:
    OpenEnd left_, right_;
    DominoSet laid_;
    int laidCount_ = 0;
};

} // namespace pipwright::rules
