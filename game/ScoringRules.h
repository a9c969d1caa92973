#pragma once

#include "rules/Presets.h"
#include "rules/Scoring.h"

// The classic game's scoring, taken from the table rules' All Fives so that
// the engine, the computer and every table count alike.
namespace pipwright::scoring {

// The points that win a game.
inline constexpr int TargetScore = rules::AllFivesTarget;

// What an open end adds to the count: its open half, or both halves when the
// domino at the end is a double.
using rules::endCount;

// A count of the open ends, or a Set Domino's pip total, scores itself when it
// is a multiple of five (0 included, which adds nothing).
constexpr bool scores(long count) {
    return rules::scoresFives(count);
}

// A side that has reached the target ends the round at once.
constexpr bool reachedTarget(long score) {
    return score >= TargetScore;
}

// The round's award: the difference between the pips left in the two hands,
// rounded to the nearest five (a remainder of 1 or 2 rounds down).
constexpr long roundAward(long pipsA, long pipsB) {
    return rules::roundedDifference(pipsA, pipsB);
}

// Who takes a blocked round: the side with fewer pips; nobody on equal pips.
using rules::BlockedWinner;
using rules::blockedWinner;

} // namespace pipwright::scoring
