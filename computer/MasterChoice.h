#pragma once

#include "computer/MoveChoice.h"
#include "game/TableView.h"

#include <cstdint>
#include <optional>

namespace pipwright {

// The Master decides from one side's view of the table only. It deals the
// dominoes it has not seen many times over, as the other side's draws and
// passes allow, plays each deal out quickly to the round's end, and takes the
// choice with the best average of points won less points conceded, the game's
// end counting beyond its points. The seed makes it repeatable.

// The lay on a turn, under the rule name "M"; none when nothing in the hand
// fits (draw, or pass).
std::optional<Move> masterMove(const TableView& table, std::uint64_t seed);

// The hand slot of the Set Domino when the viewer leads; 0 for an empty hand.
int masterSetDomino(const TableView& table, std::uint64_t seed);

} // namespace pipwright
