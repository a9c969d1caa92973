#pragma once

#include "rules/RuleSet.h"

namespace pipwright::rules {

// What an open end adds to the count: its open half, or both halves when the
// domino at the end is a double.
constexpr int endCount(int open, bool isDouble) {
    return isDouble ? 2 * open : open;
}

// All Fives: a count that is a multiple of five scores itself (0 adds nothing).
constexpr bool scoresFives(long count) {
    return count % 5 == 0;
}

// Fives and Threes: count / 5 when 5 divides it, plus count / 3 when 3 does.
constexpr int fivesAndThreesPoints(int count) {
    return (count % 5 == 0 ? count / 5 : 0) + (count % 3 == 0 ? count / 3 : 0);
}

// What a count of the open ends scores under these rules.
int countPoints(EndsScore scoring, int count);

// Rounds to the nearest five: a remainder of 1 or 2 rounds down, 3 or 4 up.
constexpr long roundToFive(long points) {
    return points % 5 <= 2 ? points - points % 5 : points + 5 - points % 5;
}

// Two sides' difference of pips, rounded to the nearest five.
constexpr long roundedDifference(long pipsA, long pipsB) {
    return roundToFive(pipsA > pipsB ? pipsA - pipsB : pipsB - pipsA);
}

// Who takes a blocked hand between two sides: fewer pips; nobody on equal pips.
enum class BlockedWinner { First, Second, Nobody };
constexpr BlockedWinner blockedWinner(long firstPips, long secondPips) {
    if (firstPips == secondPips)
        return BlockedWinner::Nobody;
    return firstPips < secondPips ? BlockedWinner::First : BlockedWinner::Second;
}

} // namespace pipwright::rules
