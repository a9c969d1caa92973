#pragma once

#include "storage/HistoryFormat.h"

#include <QString>
#include <string>
#include <vector>

class QDialog;
class QWidget;

namespace pipwright {

// One game's history as the window shows it: the game's name, the history's
// text as the message box gives it, and its records.
struct HistoryView {
    QString game;
    QString text;
    std::vector<HistoryRecord> records;
};

// The player's histories: the classic game's first when it has a text, then
// each preset the player has a readable history of, in menu order.
std::vector<HistoryView> playerHistories(const std::string& playerName, const QString& classicText);

// The "Game &History" window: a chooser of the games when there is more than
// one, the chosen history's text, the chart of its days below it with the
// totals, and an OK button. It deletes itself when closed; null without views.
QDialog* gameHistoryWindow(QWidget* owner, const QString& title,
                           const std::vector<HistoryView>& views, int first = 0);

// Shows the "Game &History" window and returns when it is closed.
void showGameHistory(QWidget* owner, const QString& title, const std::vector<HistoryView>& views,
                     int first = 0);

} // namespace pipwright
