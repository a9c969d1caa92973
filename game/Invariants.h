#pragma once

#include "game/DominoCensus.h"
#include "game/GameState.h"

#include <optional>
#include <string>
#include <vector>

namespace pipwright {

// The rules every writer of the state keeps. Returns one line per broken rule.
// While who plays first is drawn, the dominoes of tied draws are out of the
// BoneYard until the next round is set up, and may be missing.
std::vector<std::string> checkInvariants(const GameState& s);

// Checks a game's states one after another, as after every click, with the
// answers of checkInvariants. The BoneYard, which most clicks leave as it was,
// is counted again only when it has changed.
class InvariantWatch {
public:
    std::vector<std::string> check(const GameState& s);

private:
    std::optional<HandTable> boneYard_; // as last counted
    DominoCensus boneYardCensus_;
};

} // namespace pipwright
