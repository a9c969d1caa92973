#pragma once

#include "storage/HistoryFormat.h"

#include <QString>
#include <vector>

class QWidget;

namespace pipwright {

// The "Game &History" window: the history's text as the message box gives it,
// the chart of the days below it with the totals, and an OK button. Returns
// when it is closed.
void showGameHistory(QWidget* owner, const QString& title, const QString& text,
                     const std::vector<HistoryRecord>& records);

} // namespace pipwright
