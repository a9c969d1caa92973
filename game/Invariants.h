#pragma once

#include "game/GameState.h"

#include <string>
#include <vector>

namespace pipwright {

// The rules every writer of the state keeps. Returns one line per broken rule.
// drawForFirstPlayOut: the two dominoes of a tied draw for first play are out
// of the BoneYard until the next round is set up, and may be missing.
std::vector<std::string> checkInvariants(const GameState& s);

} // namespace pipwright
