#pragma once

#include "rules/Move.h"
#include "rules/SeatView.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace pipwright::table {

// How well a computer seat plays.
enum class Level { Novice, Expert, Master };

// A level as files and the harness write it: "novice", "expert", "master".
std::string_view levelName(Level level);
// The level of that name, if any.
std::optional<Level> levelNamed(std::string_view name);

// The move a computer seat of this level makes from what its seat sees; the
// seed makes the choice repeatable. The view must be at its seat's turn.
rules::Move chooseMove(const rules::SeatView& view, Level level, std::uint64_t seed);

} // namespace pipwright::table
