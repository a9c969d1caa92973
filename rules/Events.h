#pragma once

#include "rules/Domino.h"
#include "rules/Line.h"

#include <array>
#include <string_view>
#include <variant>

namespace pipwright::rules {

inline constexpr int MaxSeats = 4;
// No seat: a hand nobody won.
inline constexpr int NoSeat = -1;

// A seat laid a domino; the open ends after it and what the lay scored.
struct Laid {
    int seat = 0;
    Domino domino{};
    End end = End::First;
    int left = NoEnd, right = NoEnd; // open halves after the lay
    int score = 0;
    friend bool operator==(const Laid&, const Laid&) = default;
};

// A seat drew a domino from the BoneYard (the table's own account: a seat's
// view hides the domino from the others).
struct Drew {
    int seat = 0;
    Domino domino{};
    friend bool operator==(const Drew&, const Drew&) = default;
};

struct Passed {
    int seat = 0;
    friend bool operator==(const Passed&, const Passed&) = default;
};

// How a hand ended: a seat went out, nobody could play, or a lay reached the target.
enum class HandEnd { Out, Blocked, Target };

struct HandEnded {
    HandEnd how = HandEnd::Out;
    int winner =
        NoSeat;    // the seat that went out, held the single lowest hand, or reached the target
    int award = 0; // points the winning side took for the hand
    std::array<int, MaxSeats> pips{};   // left in each seat's hand
    std::array<int, MaxSeats> totals{}; // each side's game score after the hand
    friend bool operator==(const HandEnded&, const HandEnded&) = default;
};

struct GameEnded {
    int side = 0;
    int firstSeat = 0; // the winning side's lowest-numbered seat
    friend bool operator==(const GameEnded&, const GameEnded&) = default;
};

using Event = std::variant<Laid, Drew, Passed, HandEnded, GameEnded>;

// Why a move or a deal was refused; None when it was not.
enum class Refusal {
    None,
    HandOver,      // the hand has ended: deal the next
    GameOver,      // the game has ended
    HandInPlay,    // the next hand is dealt only after a hand ends
    NotHeld,       // the seat to play does not hold that domino
    MustLead,      // the first lay of the game must be the named domino
    NotFirst,      // the line is empty: the domino goes down as the first
    LineStarted,   // the line has begun: lay on the left or right end
    DoesNotMatch,  // the domino does not match that end
    CanLay,        // a domino fits: draw or pass only when none does
    RulesPass,     // these rules pass, they do not draw
    BoneYardEmpty, // nothing to draw: pass
    MustDraw,      // the BoneYard still holds dominoes: draw
};

// The reason in plain English, for logs and the harness.
std::string_view describe(Refusal refusal);

// What one apply did: a refusal that changed nothing, or up to three events
// (a lay, then the hand's end, then the game's end).
class Outcome {
public:
    static constexpr int Capacity = 3;
    Refusal refusal = Refusal::None;
    bool accepted() const { return refusal == Refusal::None; }
    void push(const Event& event) { events_[size_++] = event; }
    int size() const { return size_; }
    const Event& operator[](int i) const { return events_[i]; }
    const Event* begin() const { return events_.data(); }
    const Event* end() const { return events_.data() + size_; }

private:
    std::array<Event, Capacity> events_{};
    int size_ = 0;
};

} // namespace pipwright::rules
