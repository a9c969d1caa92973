#pragma once

#include "game/GameState.h"
#include "game/WindowPort.h"

namespace pipwright {

// The caption and labels of a result window, from the round-end figures.
ResultTexts resultTexts(ResultWindow window, const GameState& s);

} // namespace pipwright
