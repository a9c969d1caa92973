#pragma once

#include "storage/HistoryFormat.h"

#include <QDate>
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace pipwright {

// Each player's games won and lost per day, in PlayerName + ".tot" in the
// per-user data folder.

// The history file of a player; nothing for a name that is empty or could
// leave the folder.
std::optional<QString> historyFilePath(const std::string& playerName);

struct HistoryOutcome {
    bool ok = false;
    QString reason;
    // Today's line went on the end of the file as it was, though the file
    // could not be merged.
    bool appendedOnly = false;
};

// Adds today's games when any game ended, then merges the file by date and
// rewrites it without all-zero lines. A file that cannot be read entirely is
// not rewritten; today's games then go on its end, as they do when the
// rewrite fails. No file and nothing to add creates nothing.
HistoryOutcome recordHistory(const std::string& playerName, long gamesWon, long gamesLost,
                             const QDate& today);

// The player's records as the file holds them; nothing when the player has no
// readable history.
std::optional<std::vector<HistoryRecord>> historyRecords(const std::string& playerName);

// The text of the "Game &History" message box; nothing when the player has no
// readable history.
std::optional<QString> historyText(const std::string& playerName);

} // namespace pipwright
