#pragma once

#include "game/Text.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pipwright {

// The game history: one line per record, "#2001-03-14#,3,1", the date of play
// and the games won and lost on it.

using GameCount = std::int64_t;

// The most games one record counts; totals stop there.
inline constexpr GameCount MostGames = INT64_MAX;

struct PlayDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const PlayDate&, const PlayDate&) = default;
};

struct HistoryRecord {
    PlayDate date;
    GameCount won = 0;
    GameCount lost = 0;
    friend bool operator==(const HistoryRecord&, const HistoryRecord&) = default;
};

struct HistoryRead {
    bool ok = false;
    std::vector<HistoryRecord> records;
    Text error;      // the first line that cannot be read
    int badLine = 0; // its number, from 1
};

// All records of a history file; a single unreadable line fails the whole read.
HistoryRead readHistory(std::string_view text);

std::string historyLine(const HistoryRecord& record);
std::string writeHistory(const std::vector<HistoryRecord>& records);

// One record per date with that date's totals, placed where the date last
// occurs; records left with no game won or lost are dropped.
std::vector<HistoryRecord> mergeByDate(const std::vector<HistoryRecord>& records);

// The text of the history message box; shortDate writes a date as the
// system's short date form, and say puts each line of words into the
// player's language.
std::string formatHistory(std::string_view playerName, const std::vector<HistoryRecord>& records,
                          const std::function<std::string(const PlayDate&)>& shortDate,
                          const std::function<std::string(const Text&)>& say = &Text::english);
Text historyTitle(std::string_view playerName);

} // namespace pipwright
