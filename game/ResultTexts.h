#pragma once

#include "game/GameState.h"
#include "game/WindowPort.h"

#include <string>
#include <vector>

namespace pipwright {

// What a result window shows: its caption and its labels from top to bottom.
// Windows with fixed texts carry an empty caption and no labels.
struct ResultTexts {
    ResultWindow window = ResultWindow::Winner;
    Text caption;
    std::vector<Text> labels;
};

// The caption and labels of a result window, from the round-end figures.
ResultTexts resultTexts(ResultWindow window, const GameState& s);

} // namespace pipwright
