#pragma once

#include "game/GameState.h"
#include "game/Text.h"

#include <optional>
#include <string>
#include <string_view>

namespace pipwright {

// A saved game is a dump of the game state: four fixed records, then the
// player's hand, the computer's hand, the 28 BoneYard slots, the left arm and
// the right arm, each list as long as the count written in record 1. A Master
// game, whose PlayLevel reads as expert everywhere, adds one record after the
// right arm holding MasterRecord.
inline constexpr std::string_view MasterRecord = "Master";

// The bytes of a saved game. The same state always gives the same bytes.
std::string writeSavedGame(const GameState& state, bool timerRunning);

struct LoadedGame {
    GameState state;
    bool timerWasRunning = false;
};

struct LoadResult {
    std::optional<LoadedGame> game; // only a file that passes every check
    Text error;                     // why the file was refused
};

// Reads a whole saved game over a copy of the current state, so the fields a
// file does not hold keep their values. Damaged files are refused, never half
// read.
LoadResult readSavedGame(std::string_view bytes, const GameState& current);

} // namespace pipwright
