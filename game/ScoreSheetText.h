#pragma once

#include "game/ScoreSheet.h"

#include <string>
#include <string_view>
#include <vector>

namespace pipwright {

// The lines a score sheet entry is written as, the player named as given.
std::vector<std::string> sheetLines(const SheetEntry& entry, std::string_view playerName);

} // namespace pipwright
