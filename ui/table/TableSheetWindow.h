#pragma once

#include "session/TableSheet.h"
#include "ui/ScoreSheetWindow.h"

#include <functional>

namespace pipwright {

// Shows a table's score sheet beside the owner, made the first time. The
// sheet is read through sheet() each time, so the owner may change the game
// it holds; the owner calls follow() on the window after each change.
ScoreSheetWindow& showTableSheet(QWidget& owner, std::function<const session::TableSheet&()> sheet);

// The owner's table sheet window, if it has been shown.
ScoreSheetWindow* tableSheetOf(QWidget& owner);

} // namespace pipwright
