#pragma once

#include "rules/Events.h"
#include "rules/RuleSet.h"

#include <QDate>
#include <QString>

class QDialog;
class QWidget;

namespace pipwright {

// Takes a game that ended at the table to the player's history of its preset,
// won when the player's side won, if the player keeps a game history. The
// player is the last name given. A game that cannot be written waits for the
// next one. What the player must be told, or nothing.
QString recordTableGame(const rules::RuleSet& rules, const rules::GameEnded& ended,
                        const QDate& today);

// Tries once more the games that could not be written, as the table closes.
// What the player must be told of those that still cannot, or nothing.
QString recordWaitingTableGames(const QDate& today);

// The Game History window for the player, at the preset's history, not yet
// shown; null when the player has no history to show.
QDialog* tableHistoryWindow(QWidget* owner, rules::Preset preset);

} // namespace pipwright
