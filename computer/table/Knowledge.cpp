#include "computer/table/Knowledge.h"

namespace pipwright::table {

namespace {

unsigned suitBit(int value) {
    return value >= 0 && value < rules::NoEnd ? 1u << value : 0u;
}

} // namespace

rules::DominoSet unseenDominoes(const rules::SeatView& view) {
    return rules::DominoSet::whole().without(view.hand | view.line.laid());
}

std::array<unsigned, rules::MaxSeats> missingSuits(const rules::SeatView& view) {
    std::array<unsigned, rules::MaxSeats> missing{};
    for (const rules::PublicEvent& e : view.record) {
        if (e.seat < 0 || e.seat >= rules::MaxSeats)
            continue;
        const unsigned ends = suitBit(e.left.open) | suitBit(e.right.open);
        if (e.kind == rules::PublicEvent::Kind::Passed)
            missing[e.seat] |= ends;
        else if (e.kind == rules::PublicEvent::Kind::Drew)
            missing[e.seat] = ends;
    }
    return missing;
}

rules::DominoSet touchingAny(unsigned suits) {
    rules::DominoSet set;
    for (int v = 0; v < rules::NoEnd; ++v)
        if (suits & (1u << v))
            set = set | rules::DominoSet::touching(v);
    return set;
}

} // namespace pipwright::table
