#pragma once

#include "game/ResultTexts.h"

class QWidget;

namespace pipwright {

// Shows the result window that texts names, built afresh, modally; returns
// when its OK button has closed it.
void showResultWindow(const ResultTexts& texts, QWidget* parent);

} // namespace pipwright
