#pragma once

#include "rules/Events.h"
#include "rules/RuleSet.h"

#include <array>
#include <string>
#include <variant>
#include <vector>

namespace pipwright::session {

// The score sheet of a table: every count that scored, every hand's end with
// the pips each seat held and the award, the totals per side and the winner,
// noted from the game's events as they happen. It is never recomputed: a game
// replayed move by move gives the same sheet.
class TableSheet {
public:
    // A hand was dealt.
    struct HandBegins {
        int number = 0;
        friend bool operator==(const HandBegins&, const HandBegins&) = default;
    };
    // A lay that scored, with the open ends it left.
    struct Count {
        rules::Laid laid;
        friend bool operator==(const Count&, const Count&) = default;
    };
    // How the hand ended, the pips held, the award and the totals after it.
    struct HandEnd {
        rules::HandEnded ended;
        friend bool operator==(const HandEnd&, const HandEnd&) = default;
    };
    // The side that won the game and the final totals.
    struct Winner {
        rules::GameEnded won;
        std::array<int, rules::MaxSeats> totals{};
        friend bool operator==(const Winner&, const Winner&) = default;
    };
    using Entry = std::variant<HandBegins, Count, HandEnd, Winner>;

    explicit TableSheet(const rules::RuleSet& rules) : rules_(rules) {}

    const rules::RuleSet& rules() const { return rules_; }
    const std::vector<Entry>& entries() const { return entries_; }
    // Goes up each time the sheet starts afresh, so a reader knows to reread it.
    int fresh() const { return fresh_; }

    // A new game: the sheet starts afresh, empty, under these rules.
    void newGame(const rules::RuleSet& rules);
    // A hand was dealt: its heading.
    void handDealt(int number);
    // Notes what an event scored; moves that scored nothing leave no line.
    void note(const rules::Event& event);

private:
    rules::RuleSet rules_;
    std::vector<Entry> entries_;
    std::array<int, rules::MaxSeats> lastTotals_{};
    int fresh_ = 0;
};

// Why the sheet does not add up: each hand's totals must be the sum of the
// counts and awards before them, the sums the game's scores, and its last
// line the game's winner (winningSide is -1 while nobody has won). Empty when
// it adds up.
std::string sheetFault(const TableSheet& sheet, const std::array<int, rules::MaxSeats>& scores,
                       int winningSide);

} // namespace pipwright::session
