#pragma once

#include "game/ScoreSheet.h"
#include "game/Text.h"

#include <string_view>
#include <vector>

namespace pipwright {

// The lines a score sheet entry is written as, the player named as given.
std::vector<Text> sheetLines(const SheetEntry& entry, std::string_view playerName);

} // namespace pipwright
