#pragma once

#include "game/GameState.h"
#include "game/RoundHistory.h"

#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace pipwright {

// The score sheet of the present game: every count that scored and every
// round's award, noted by the engine as it scores, with the figures needed to
// write out the arithmetic. It is kept for the screen only; saved games do
// not hold it.

// An open end as it was counted: its open half, twice when it is a double.
struct CountedEnd {
    int open = 0;
    bool isDouble = false;
    friend bool operator==(const CountedEnd&, const CountedEnd&) = default;
};

struct RoundBegins {
    int number = 0; // counted from the start of the sheet
    friend bool operator==(const RoundBegins&, const RoundBegins&) = default;
};

// The Set Domino scored its two halves.
struct SetScored {
    Seat seat = Seat::Player;
    int a = 0, b = 0;
    long points = 0;
    friend bool operator==(const SetScored&, const SetScored&) = default;
};

// A domino laid made the open ends a multiple of five.
struct LayScored {
    Seat seat = Seat::Player;
    int a = 0, b = 0; // as it lay in the hand
    End end = End::Left;
    CountedEnd left, right;
    long points = 0;
    friend bool operator==(const LayScored&, const LayScored&) = default;
};

enum class RoundEnd { WentOut, ReachedTarget, Blocked, Tie };

// A round's award, and both totals after it.
struct RoundAward {
    RoundEnd how = RoundEnd::WentOut;
    Seat winner = Seat::Player; // unused for a tie
    long playerPips = 0, computerPips = 0;
    long difference = 0;
    long award = 0; // the difference rounded to five
    long playerTotal = 0, computerTotal = 0;
    // The dominoes each side still held, face up, as they lay in the hand.
    std::vector<std::pair<int, int>> playerHeld{}, computerHeld{};
    friend bool operator==(const RoundAward&, const RoundAward&) = default;
};

struct GameWon {
    Seat winner = Seat::Player;
    long playerTotal = 0, computerTotal = 0;
    friend bool operator==(const GameWon&, const GameWon&) = default;
};

// Where the sheet's sums start again from the scores given.
struct SheetRestart {
    enum class Why { Opened, RoundRestarted, GameRestarted };
    Why why = Why::Opened;
    long playerTotal = 0, computerTotal = 0;
    friend bool operator==(const SheetRestart&, const SheetRestart&) = default;
};

using SheetEntry =
    std::variant<RoundBegins, SetScored, LayScored, RoundAward, GameWon, SheetRestart>;

class ScoreSheet {
public:
    const std::vector<SheetEntry>& entries() const { return entries_; }
    // Goes up each time the sheet starts afresh, so a reader knows to reread it.
    int fresh() const { return fresh_; }
    // Called after every change.
    void onChange(std::function<void()> changed) { changed_ = std::move(changed); }

    // The Set Domino is down: a round begins.
    void beginRound();
    void setScored(Seat seat, int a, int b, long points);
    void layScored(const LayScored& lay);
    // The round is over; pips and totals are read from the state after the award.
    void roundEnds(RoundEnd how, Seat winner, long difference, long award, const GameState& s);
    void gameWon(Seat winner, const GameState& s);
    // A game opened from a file, or a restart, with the scores it goes on from.
    void restart(SheetRestart::Why why, const GameState& s);

private:
    void add(const SheetEntry& entry);
    void startAfresh();

    std::vector<SheetEntry> entries_;
    std::function<void()> changed_;
    int fresh_ = 0;
    int rounds_ = 0;
    bool roundOpen_ = false;
    bool gameOver_ = false;
};

} // namespace pipwright
