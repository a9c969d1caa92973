#pragma once

#include "game/GameState.h"
#include "game/ScoringRules.h"

#include <array>
#include <cstdint>
#include <optional>

// A quick model of a round in play, for the Master's search: hands as sets of
// dominoes, the two open ends, the scores and a BoneYard in drawing order.
namespace pipwright::master {

// A set of dominoes: bit 7 * low + high for the domino low-high.
using DominoSet = std::uint64_t;

constexpr int dominoIndex(int a, int b) {
    return a <= b ? 7 * a + b : 7 * b + a;
}
constexpr DominoSet dominoBit(int a, int b) {
    return DominoSet{1} << dominoIndex(a, b);
}
inline int lowHalf(int index) {
    return index / 7;
}
inline int highHalf(int index) {
    return index % 7;
}
// Every domino with a half of this value; none for 7, the mark of no end.
DominoSet touching(int value);
// All 28 dominoes of the set.
DominoSet wholeSet();
int pips(DominoSet hand);
int countOf(DominoSet hand);

// Deterministic generator for the search (SplitMix64).
class SearchRandom {
public:
    explicit SearchRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // Uniform in [0, n).
    int below(int n) {
        return static_cast<int>(((next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }

private:
    std::uint64_t state_;
};

struct OpenEnd {
    int open = 7;
    bool isDouble = false;
    int count() const { return scoring::endCount(open, isDouble); }
};

// A domino to lay and the end it goes on.
struct Lay {
    int domino = 0;
    bool left = true;
    friend bool operator==(const Lay&, const Lay&) = default;
};

// Side 0 is the side deciding, side 1 the other.
struct Round {
    std::array<DominoSet, 2> hand{};
    std::array<int, 2> score{};
    OpenEnd left, right;
    std::array<std::uint8_t, 28> boneYard{}; // drawn from the back
    int boneYardCount = 0;
    int passes = 0; // passes in a row with an empty BoneYard
    int toMove = 0;
    bool over = false;

    // Lays the Set Domino or a domino on an end, scores it, and ends the round
    // when the side has emptied its hand or reached the target.
    void setDomino(int side, int domino);
    void lay(int side, Lay move);
    // The lays open to a hand, in a fixed order.
    int fittingMoves(DominoSet held, std::array<Lay, 56>& moves) const;

private:
    void scoreAndCheck(int side, int total);
    void award(int winner);
    void blocked();
    friend void playOut(Round& round);
};

// The quick policy: the lay that scores most less the most the other side can
// score straight back, then the heaviest domino, then a double.
std::optional<Lay> quickMove(const Round& round, int side);

// Plays the round to its end with the quick policy on both sides, drawing and
// passing as the rules make them.
void playOut(Round& round);

} // namespace pipwright::master
