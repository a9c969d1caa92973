#pragma once

#include "rules/Game.h"

namespace pipwright::table {

// The quick policy of the Master's play-outs, for the seat to play in a game
// whose hands it may all read: the lay that scores most less the most the
// next seat can score straight back, then the heaviest domino, then a double.
rules::Move quickMove(const rules::Game& game);

// Plays the hand to its end with the quick policy at every seat.
void playOutHand(rules::Game& game);

} // namespace pipwright::table
