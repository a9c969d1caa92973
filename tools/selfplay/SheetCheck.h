#pragma once

#include "game/ScoreSheet.h"

#include <string>
#include <vector>

namespace pipwright {

// Adds up a finished game's score sheet: each count to its points, each award
// to its rounded difference, the running sums to every total written and to
// the final scores. Returns what does not add up.
std::vector<std::string> sheetFaults(const ScoreSheet& sheet, long playerScore, long computerScore);

} // namespace pipwright
