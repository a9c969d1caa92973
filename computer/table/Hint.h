#pragma once

#include "rules/Move.h"
#include "rules/SeatView.h"

#include <cstdint>

namespace pipwright::table {

// The hint for a seat a person plays: the Master's choice from that seat's
// own view, never played for it.
rules::Move hintFor(const rules::SeatView& view, std::uint64_t seed);

} // namespace pipwright::table
