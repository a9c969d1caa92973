#pragma once

#include "game/GameState.h"
#include "game/Text.h"

#include <vector>

namespace pipwright {

// The rules every writer of the state keeps. Returns one line per broken rule;
// a saved game that breaks one shows the player the first.
// While who plays first is drawn, the dominoes of tied draws are out of the
// BoneYard until the next round is set up, and may be missing.
std::vector<Text> checkInvariants(const GameState& s);

} // namespace pipwright
