// What the engine writes on the score sheet when a domino laid scores.

#include "game/Engine.h"

namespace pipwright {

void Engine::noteLayScored(Seat seat, long points) {
    // Two blank ends count nothing.
    if (points == 0)
        return;
    LayScored lay;
    lay.seat = seat;
    lay.points = points;
    for (End end : {End::Left, End::Right}) {
        const CountedEnd counted{s_.openEnd(end), s_.innerHalf(end) == s_.openEnd(end)};
        (end == End::Left ? lay.left : lay.right) = counted;
    }
    // The domino just laid was noted last before it went on its arm.
    if (!history_.empty() && history_.back().kind == TableEvent::Kind::Laid) {
        lay.a = static_cast<unsigned char>(history_.back().a);
        lay.b = static_cast<unsigned char>(history_.back().b);
    } else {
        lay.a = s_.innerHalf(End::Right);
        lay.b = s_.openEnd(End::Right);
    }
    auto liesAtEnd = [&](End end) {
        const int inner = s_.innerHalf(end), open = s_.openEnd(end);
        return s_.armCount(end) > 1 &&
               ((inner == lay.a && open == lay.b) || (inner == lay.b && open == lay.a));
    };
    lay.end = liesAtEnd(End::Left) ? End::Left : End::Right;
    sheet_.layScored(lay);
}

} // namespace pipwright
