#pragma once

#include "game/GameState.h"
#include "game/Random.h"

namespace pipwright {

// The double-six set in its fixed order: 0-0, 0-1, ..., 0-6, 1-1, ..., 6-6.
void BuildTheSet(GameState& s);
// Swaps each position of the shuffle with a freshly drawn one, then gives
// every domino of the set its BoneYard slot.
void ShuffleTheSet(GameState& s, RandomSource& random);
// Lays every domino face down in the slot the shuffle gave it.
void DealIntoBoneYard(GameState& s);

} // namespace pipwright
