#pragma once

#include "game/ResultTexts.h"
#include "ui/dialogs/WindowPlacement.h"

class QWidget;

namespace pipwright {

// Shows the result window that texts names, built afresh, modally, over the
// frame; returns when its OK button has closed it.
void showResultWindow(const ResultTexts& texts, QWidget* parent, const PlacementFrame& frame = {});

} // namespace pipwright
