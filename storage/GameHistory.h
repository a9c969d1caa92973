#pragma once

#include "storage/HistoryFormat.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pipwright {

// Each player's games won and lost per day, in PlayerName + ".tot" in the
// per-user data folder for the classic game, and in PlayerName + "." + the
// preset's record name + ".tot" for each game played at a table ("Ann.partners.tot").
// A name holds no dot, so the two never meet. Every routine below takes the
// preset's record name, empty for the classic game.

// The history file of a player; nothing for a name that is empty or could
// leave the folder, or a preset name that is not lower-case letters and dashes.
std::optional<QString> historyFilePath(const std::string& playerName, std::string_view preset = {});

struct HistoryOutcome {
    bool ok = false;
    QString reason;
    // Today's line went on the end of the file as it was, though the file
    // could not be merged.
    bool appendedOnly = false;
    // The first line of the file that is not a record, from 1; 0 when none
    // is. Such a file is kept as it is.
    int damagedLine = 0;
};

// Adds today's games when any game ended, then merges the file by date and
// rewrites it without all-zero lines. A file that cannot be read entirely is
// not rewritten; today's games then go on its end, as they do when the
// rewrite fails. No file and nothing to add creates nothing. A lock beside
// the file keeps two copies of the game from merging at once.
HistoryOutcome recordHistory(const std::string& playerName, std::int64_t gamesWon,
                             std::int64_t gamesLost, const QDate& today,
                             std::string_view preset = {});

// The first damaged line of the player's history file, or 0 when it reads.
int historyDamagedLine(const std::string& playerName, std::string_view preset = {});

// The player's records as the file holds them; nothing when the player has no
// readable history.
std::optional<std::vector<HistoryRecord>> historyRecords(const std::string& playerName,
                                                         std::string_view preset = {});

// The text of the "Game &History" message box; nothing when the player has no
// readable history.
std::optional<QString> historyText(const std::string& playerName, std::string_view preset = {});

} // namespace pipwright
