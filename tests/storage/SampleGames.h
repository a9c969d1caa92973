#pragma once

#include "game/GameState.h"

namespace pipwright::samples {

// Game states as the game holds them at moments worth saving. Their BoneYard is
// dealt in the order of the set, so slot k first holds domino k.

GameState freshGame();       // loaded, name typed, nothing drawn yet
GameState gameInPlay();      // the player's turn, doubles at both open ends
GameState afterRestart();    // arms erased but still counted 1, a stale hand slot
GameState afterTiedDraw();   // both drew 5 pips; those dominoes are out of the BoneYard
GameState beforeSetDomino(); // both hands drawn, no Set Domino yet

} // namespace pipwright::samples
