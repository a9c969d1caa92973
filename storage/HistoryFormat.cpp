#include "storage/HistoryFormat.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <unordered_map>

namespace pipwright {

namespace {

bool isDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A count that does not fit is no count.
std::optional<GameCount> count(std::string_view text) {
    if (!isDigits(text))
        return std::nullopt;
    GameCount value = 0;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(text.data(), last, value);
    if (ec != std::errc() || end != last)
        return std::nullopt;
    return value;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysIn(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

// "#yyyy-mm-dd#"
std::optional<PlayDate> dateOf(std::string_view text) {
    if (text.size() != 12 || text.front() != '#' || text.back() != '#' || text[5] != '-' ||
        text[8] != '-')
        return std::nullopt;
    const std::string_view y = text.substr(1, 4), m = text.substr(6, 2), d = text.substr(9, 2);
    if (!isDigits(y) || !isDigits(m) || !isDigits(d))
        return std::nullopt;
    PlayDate date;
    std::from_chars(y.data(), y.data() + y.size(), date.year);
    std::from_chars(m.data(), m.data() + m.size(), date.month);
    std::from_chars(d.data(), d.data() + d.size(), date.day);
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > daysIn(date.year, date.month))
        return std::nullopt;
    return date;
}

std::optional<HistoryRecord> recordOf(std::string_view line) {
    const std::size_t first = line.find(',');
    const std::size_t second = line.find(',', first == std::string_view::npos ? first : first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos)
        return std::nullopt;
    const auto date = dateOf(line.substr(0, first));
    const auto won = count(line.substr(first + 1, second - first - 1));
    const auto lost = count(line.substr(second + 1));
    if (!date || !won || !lost)
        return std::nullopt;
    return HistoryRecord{*date, *won, *lost};
}

GameCount addGames(GameCount a, GameCount b) {
    return a > MostGames - b ? MostGames : a + b;
}

struct DateHash {
    std::size_t operator()(const PlayDate& d) const {
        return std::hash<int>()((d.year * 13 + d.month) * 32 + d.day);
    }
};

} // namespace

HistoryRead readHistory(std::string_view text) {
    HistoryRead read;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end);
        if (text.starts_with("\r\n"))
            text.remove_prefix(2);
        else if (!text.empty())
            text.remove_prefix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        const auto record = recordOf(line);
        if (!record) {
            read.error = Text("History", "line %1 is not a date and two counts").arg(lineNumber);
            read.badLine = lineNumber;
            read.records.clear();
            return read;
        }
        read.records.push_back(*record);
    }
    read.ok = true;
    return read;
}

std::string historyLine(const HistoryRecord& r) {
    char date[32];
    std::snprintf(date, sizeof date, "#%04d-%02d-%02d#", r.date.year, r.date.month, r.date.day);
    return std::string(date) + "," + std::to_string(r.won) + "," + std::to_string(r.lost) + "\r\n";
}

std::string writeHistory(const std::vector<HistoryRecord>& records) {
    std::string out;
    for (const HistoryRecord& r : records)
        out += historyLine(r);
    return out;
}

std::vector<HistoryRecord> mergeByDate(const std::vector<HistoryRecord>& records) {
    std::unordered_map<PlayDate, HistoryRecord, DateHash> totals;
    std::unordered_map<PlayDate, std::size_t, DateHash> lastAt;
    for (std::size_t i = 0; i < records.size(); ++i) {
        HistoryRecord& total =
            totals.try_emplace(records[i].date, HistoryRecord{records[i].date}).first->second;
        total.won = addGames(total.won, records[i].won);
        total.lost = addGames(total.lost, records[i].lost);
        lastAt[records[i].date] = i;
    }
    std::vector<HistoryRecord> merged;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const HistoryRecord& total = totals.at(records[i].date);
        if (lastAt.at(records[i].date) == i && (total.won > 0 || total.lost > 0))
            merged.push_back(total);
    }
    return merged;
}

std::string formatHistory(std::string_view playerName, const std::vector<HistoryRecord>& records,
                          const std::function<std::string(const PlayDate&)>& shortDate,
                          const std::function<std::string(const Text&)>& say) {
    std::string text =
        say(Text("History", "%1,  Your game history is:").arg(std::string(playerName))) + "\r\r" +
        say(Text("History", "Date of Play       Games Won        Games Lost")) + "\r";
    for (const HistoryRecord& r : records) {
        text += "  " + shortDate(r.date) + std::string(23, ' ') + std::to_string(r.won) +
                std::string(24, ' ') + std::to_string(r.lost) + "\r";
    }
    return text;
}

Text historyTitle(std::string_view playerName) {
    return Text("History", "%1's Game History..").arg(std::string(playerName));
}

} // namespace pipwright
