#pragma once

#include "rules/Move.h"
#include "rules/SeatView.h"

#include <cstdint>

namespace pipwright::table {

// How well a computer seat plays.
enum class Level { Novice, Expert, Master };

// The move a computer seat of this level makes from what its seat sees; the
// seed makes the choice repeatable. The view must be at its seat's turn.
rules::Move chooseMove(const rules::SeatView& view, Level level, std::uint64_t seed);

} // namespace pipwright::table
