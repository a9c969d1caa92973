#pragma once

#include "rules/Move.h"
#include "rules/SeatView.h"

#include <cstdint>

namespace pipwright::table {

// Any legal move, drawn uniformly with the seed, as a beginner plays.
rules::Move chooseNoviceMove(const rules::SeatView& view, std::uint64_t seed);

} // namespace pipwright::table
