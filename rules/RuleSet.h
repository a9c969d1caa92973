#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pipwright::rules {

// The games the table knows, each a rule set with its defaults.
enum class Preset { Partners, Block, Draw, AllFives, FivesAndThrees };

// What the open ends score after each lay.
enum class EndsScore {
    Nothing,
    MultipleOfFive, // a total that is a multiple of 5 scores itself
    FivesAndThrees, // total / 5 + total / 3 for each that divides it
};

// What the side that wins a hand takes.
enum class Award {
    AllHands,         // the pips left in every hand
    OpponentsHands,   // the pips left in the opponents' hands
    LosersLessWinner, // the losing sides' pips less the winning side's
    OutPoint,         // 1 point for going out, none when blocked
};

// Who leads each hand.
enum class Lead {
    SixSixThenWinner,        // hand 1: the holder of 6-6 lays it; then the last winner, any domino
    HighestDoubleThenWinner, // hand 1: the highest double (else the heaviest domino) is laid
    LotThenNextSeat,         // hand 1: a seat drawn by lot; then the next seat, any domino
};

// A whole table's rules as data.
struct RuleSet {
    Preset preset = Preset::AllFives;
    int seats = 2;             // 2 to 4
    bool partners = false;     // four seats as two partnerships, partners opposite (0&2, 1&3)
    int dealEach = 7;          // dominoes dealt to each seat
    bool drawWhenStuck = true; // draw from the BoneYard; otherwise pass, the rest out of play
    EndsScore endsScore = EndsScore::MultipleOfFive;
    Award award = Award::LosersLessWinner;
    bool awardToNearestFive = false; // a remainder of 1 or 2 rounds down, 3 or 4 up
    bool blockedHandWon = true;      // a blocked hand goes to the side with the single lowest hand
    Lead lead = Lead::HighestDoubleThenWinner;
    int target = 100;
    bool exactTarget = false; // points that would pass the target are not scored
    friend bool operator==(const RuleSet&, const RuleSet&) = default;
};

// Why a rule set cannot be played; empty when it can.
std::string whyUnplayable(const RuleSet& rules);

// The number of sides: one per seat, or two partnerships.
int sideCount(const RuleSet& rules);
// The side a seat plays for.
int sideOf(const RuleSet& rules, int seat);
// The lowest-numbered seat of a side.
int firstSeatOf(const RuleSet& rules, int side);

} // namespace pipwright::rules
