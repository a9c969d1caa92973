#pragma once

#include "rules/Domino.h"
#include "rules/SeatView.h"

#include <array>

namespace pipwright::table {

// The dominoes a seat has not seen: not in its hand, not on the line.
rules::DominoSet unseenDominoes(const rules::SeatView& view);

// The suits each seat is known to lack now, one bit per value: the ends it
// last passed or drew on. A draw may bring back any other suit.
std::array<unsigned, rules::MaxSeats> missingSuits(const rules::SeatView& view);

// Every domino with a half among these suits.
rules::DominoSet touchingAny(unsigned suits);

} // namespace pipwright::table
