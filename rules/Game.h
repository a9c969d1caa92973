#pragma once

#include "rules/Domino.h"
#include "rules/Events.h"
#include "rules/Line.h"
#include "rules/Move.h"
#include "rules/Random.h"
#include "rules/RuleSet.h"
#include "rules/SeatView.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace pipwright::rules {

// The moves open to a seat holding this hand, whose turn it is, on this line.
MoveList movesOpen(const RuleSet& rules, const Line& line, DominoSet hand, int boneYardCount,
                   std::optional<Domino> requiredLead);

// The hidden part of a table as a searching player imagines it: every seat's
// hand, the BoneYard in drawing order, and the dominoes out of play.
struct HiddenDeal {
    std::array<DominoSet, MaxSeats> hands{};
    std::array<Domino, DominoCount> boneYard{}; // boneYard[0] is drawn first
    int boneYardCount = 0;
    DominoSet outOfPlay;
};

// A game at a table: the hand in play and the game's score. A value: copy it
// to search, keep its seed and moves to replay it. Queries never change it;
// apply and dealNextHand are the only ways it moves.
class Game {
public:
    // Deals the first hand with the game's own generator; throws
    // std::invalid_argument when whyUnplayable(rules) is not empty.
    Game(const RuleSet& rules, std::uint64_t seed);
    // The position a seat sees, with its hidden part filled in from a deal
    // that agrees with it (the seat's own hand, every count); the record is
    // not kept. Throws std::invalid_argument when the deal contradicts the view.
    static Game fromView(const SeatView& view, const HiddenDeal& deal, std::uint64_t seed);

    const RuleSet& rules() const { return rules_; }
    Phase phase() const { return phase_; }
    int turn() const { return turn_; }
    int handNumber() const { return handNumber_; }
    int leader() const { return leader_; }
    int passesInRow() const { return passesInRow_; }
    const Line& line() const { return line_; }
    DominoSet hand(int seat) const { return hands_[seat]; }
    int boneYardCount() const { return boneYardCount_ - boneYardNext_; }
    // The dominoes left in the BoneYard, in drawing order.
    std::vector<Domino> boneYard() const;
    DominoSet outOfPlay() const { return outOfPlay_; }
    int score(int side) const { return scores_[side]; }
    const std::array<int, MaxSeats>& scores() const { return scores_; }
    // The domino the first lay must be, if the rules name one.
    std::optional<Domino> requiredLead() const { return requiredLead_; }
    // This hand's deal: each seat's dominoes in hand order, seat after seat,
    // then the rest (the BoneYard in drawing order, or those out of play).
    const std::array<Domino, DominoCount>& dealOrder() const { return dealOrder_; }
    // This hand's record as the table saw it, every draw shown.
    const std::vector<PublicEvent>& record() const { return record_; }
    // Stops or resumes keeping the record (a search needs none).
    void keepRecord(bool keep) { keepRecord_ = keep; }
    std::uint64_t randomState() const { return random_.state(); }

    // The seat's legal moves: empty unless it is the seat to play.
    MoveList legalMoves(int seat) const;
    // What the seat sees, and nothing more.
    SeatView view(int seat) const;
    // Plays a move for the seat to play, or refuses it and changes nothing.
    Outcome apply(const Move& move);
    // Deals the next hand once a hand has ended and the game has not.
    Refusal dealNextHand();
    friend bool operator==(const Game&, const Game&) = default;

private:
    Game() = default;
    void deal();
    void chooseLeader();
    // Adds points to a side, unless an exact target would be passed; what was added.
    int addPoints(int side, int points);
    void endHand(HandEnd how, int seat, Outcome& outcome);
    void recordEvent(PublicEvent::Kind kind, Domino domino, End end, int score, const OpenEnd& left,
                     const OpenEnd& right);
    int nextSeat(int seat) const { return (seat + 1) % rules_.seats; }

    RuleSet rules_;
    SplitMix64 random_;
    Phase phase_ = Phase::Playing;
    std::array<DominoSet, MaxSeats> hands_{};
    std::array<Domino, DominoCount> dealOrder_{};
    std::array<Domino, DominoCount> boneYard_{};
    int boneYardCount_ = 0;
    int boneYardNext_ = 0;
    DominoSet outOfPlay_;
    Line line_;
    std::array<int, MaxSeats> scores_{};
    int turn_ = 0;
    int leader_ = 0;
    int nextLeader_ = NoSeat; // set when a hand ends
    int handNumber_ = 1;
    int passesInRow_ = 0;
    std::optional<Domino> requiredLead_;
    bool keepRecord_ = true;
    std::vector<PublicEvent> record_;
};

} // namespace pipwright::rules
