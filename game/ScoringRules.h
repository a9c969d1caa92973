#pragma once

// The rules that turn the table into points, shared by the engine and by the
// computer's quick play-outs so that both score a round alike.
namespace pipwright::scoring {

// The points that win a game.
inline constexpr int TargetScore = 200;

// What an open end adds to the count: its open half, or both halves when the
// domino at the end is a double.
constexpr int endCount(int open, bool isDouble) {
    return isDouble ? 2 * open : open;
}

// A count of the open ends, or a Set Domino's pip total, scores itself when it
// is a multiple of five (0 included, which adds nothing).
constexpr bool scores(long count) {
    return count % 5 == 0;
}

// A side that has reached the target ends the round at once.
constexpr bool reachedTarget(long score) {
    return score >= TargetScore;
}

// The round's award: the difference between the pips left in the two hands,
// rounded to the nearest five (a remainder of 1 or 2 rounds down).
constexpr long roundAward(long pipsA, long pipsB) {
    const long d = pipsA > pipsB ? pipsA - pipsB : pipsB - pipsA;
    return d % 5 <= 2 ? d - d % 5 : d + 5 - d % 5;
}

// Who takes a blocked round: the side with fewer pips; nobody on equal pips.
enum class BlockedWinner { First, Second, Nobody };
constexpr BlockedWinner blockedWinner(long firstPips, long secondPips) {
    if (firstPips == secondPips)
        return BlockedWinner::Nobody;
    return firstPips < secondPips ? BlockedWinner::First : BlockedWinner::Second;
}

} // namespace pipwright::scoring
