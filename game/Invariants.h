#pragma once

#include "game/GameState.h"

#include <string>
#include <vector>

namespace pipwright {

// The rules every writer of the state keeps. Returns one line per broken rule.
// While who plays first is drawn, the dominoes of tied draws are out of the
// BoneYard until the next round is set up, and may be missing.
std::vector<std::string> checkInvariants(const GameState& s);

} // namespace pipwright
