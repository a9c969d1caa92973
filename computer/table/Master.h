#pragma once

#include "rules/Move.h"
#include "rules/SeatView.h"

#include <cstdint>

namespace pipwright::table {

// A fair search: hidden hands sampled from the seat's view and its record,
// each candidate played out on the rules core for the side's score.
rules::Move chooseMasterMove(const rules::SeatView& view, std::uint64_t seed);

} // namespace pipwright::table
