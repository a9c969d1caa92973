#pragma once

#include "rules/Domino.h"
#include "rules/Events.h"
#include "rules/Line.h"
#include "rules/Move.h"
#include "rules/RuleSet.h"

#include <array>
#include <optional>
#include <vector>

namespace pipwright::rules {

// Where a game stands between moves.
enum class Phase { Playing, HandOver, GameOver };

// One thing a seat did in the open during a hand, with the ends open before it.
// A draw or a pass tells the table the seat held nothing matching those ends.
struct PublicEvent {
    enum class Kind : std::uint8_t { Laid, Drew, Passed };
    Kind kind = Kind::Laid;
    int seat = 0;
    Domino domino{};         // laid, or drawn when the viewer drew it
    bool dominoShown = true; // false for another seat's draw
    End end = End::First;    // for a lay
    int score = 0;           // what a lay scored
    OpenEnd left{}, right{}; // the open ends before the event
    friend bool operator==(const PublicEvent&, const PublicEvent&) = default;
};

// Exactly what a player at one seat sees: its own hand, the line, how many
// dominoes each seat, the BoneYard and the dominoes out of play hold, the
// scores, the rules and the public record of the hand. Nothing of another
// seat's hand, partner's included, nor of the BoneYard's faces.
struct SeatView {
    RuleSet rules;
    int seat = 0;
    DominoSet hand;
    Line line;
    std::array<int, MaxSeats> handCounts{}; // per seat
    int boneYardCount = 0;
    int outOfPlayCount = 0;
    std::array<int, MaxSeats> scores{}; // per side
    Phase phase = Phase::Playing;
    int turn = 0;
    int handNumber = 1;
    int leader = 0;
    int passesInRow = 0;
    std::optional<Domino> requiredLead; // the domino the first lay must be, if any
    std::vector<PublicEvent> record;    // this hand so far
};

// The viewer's legal moves when it is its turn; none otherwise.
MoveList legalMoves(const SeatView& view);

} // namespace pipwright::rules
