#pragma once

#include "rules/Move.h"
#include "rules/SeatView.h"

#include <cstdint>

namespace pipwright::table {

// A club player's move: the points it makes now, what it leaves the next seat,
// heavy dominoes shed, suits kept.
rules::Move chooseExpertMove(const rules::SeatView& view, std::uint64_t seed);

} // namespace pipwright::table
