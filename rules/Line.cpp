#include "rules/Line.h"

#include "rules/Scoring.h"

namespace pipwright::rules {

bool Line::fits(Domino domino, End end) const {
    if (end == End::First)
        return empty();
    if (empty())
        return false;
    return domino.has(end == End::Left ? left_.open : right_.open);
}

void Line::lay(Domino domino, End end) {
    if (end == End::First) {
        left_ = OpenEnd{domino.low, domino.isDouble()};
        right_ = OpenEnd{domino.high, domino.isDouble()};
    } else {
        OpenEnd& open = end == End::Left ? left_ : right_;
        open = OpenEnd{domino.otherHalf(open.open), domino.isDouble()};
    }
    laid_.insert(domino);
    ++laidCount_;
}

int Line::count() const {
    if (empty())
        return 0;
    if (laidCount_ == 1)
        return left_.open + right_.open;
    return endCount(left_.open, left_.isDouble) + endCount(right_.open, right_.isDouble);
}

} // namespace pipwright::rules
