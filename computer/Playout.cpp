#include "computer/Playout.h"

#include <algorithm>
#include <bit>

namespace pipwright::master {

namespace {

struct Touching {
    std::array<DominoSet, 8> byValue{};
    DominoSet all = 0;
    constexpr Touching() {
        for (int a = 0; a <= 6; ++a)
            for (int b = a; b <= 6; ++b) {
                byValue[a] |= dominoBit(a, b);
                byValue[b] |= dominoBit(a, b);
                all |= dominoBit(a, b);
            }
    }
};
constexpr Touching Sets{};

// Points for laying on one end, given the ends before.
struct Placed {
    OpenEnd left, right;
    int points = 0;
};

Placed placed(const OpenEnd& left, const OpenEnd& right, int i, bool onLeft) {
    const int a = lowHalf(i), b = highHalf(i);
    Placed p{left, right, 0};
    OpenEnd& end = onLeft ? p.left : p.right;
    end = OpenEnd{a == end.open ? b : a, a == b};
    const int total = p.left.count() + p.right.count();
    p.points = scoring::scores(total) ? total : 0;
    return p;
}

// Calls visit(domino, onLeft) for every lay open to a hand on these ends:
// dominoes in index order, the left end before the right.
template <typename Visit>
void forEachLay(DominoSet held, const OpenEnd& left, const OpenEnd& right, Visit visit) {
    for (DominoSet fit = held & (touching(left.open) | touching(right.open)); fit != 0;
         fit &= fit - 1) {
        const int i = std::countr_zero(fit);
        const int a = lowHalf(i), b = highHalf(i);
        if (a == left.open || b == left.open)
            visit(i, true);
        if (a == right.open || b == right.open)
            visit(i, false);
    }
}

// The most a hand can score with one lay on these ends.
int bestReply(DominoSet hand, const OpenEnd& left, const OpenEnd& right) {
    int best = 0;
    forEachLay(hand, left, right, [&](int i, bool onLeft) {
        best = std::max(best, placed(left, right, i, onLeft).points);
    });
    return best;
}

} // namespace

DominoSet touching(int value) {
    return Sets.byValue[static_cast<unsigned>(value) & 7u];
}

DominoSet wholeSet() {
    return Sets.all;
}

int pips(DominoSet hand) {
    int total = 0;
    for (; hand != 0; hand &= hand - 1) {
        const int i = std::countr_zero(hand);
        total += lowHalf(i) + highHalf(i);
    }
    return total;
}

int countOf(DominoSet hand) {
    return std::popcount(hand);
}

std::uint64_t SearchRandom::next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

void Round::setDomino(int side, int domino) {
    const int a = lowHalf(domino), b = highHalf(domino);
    hand[side] &= ~(DominoSet{1} << domino);
    left = OpenEnd{a, a == b};
    right = OpenEnd{b, a == b};
    scoreAndCheck(side, a + b);
}

void Round::lay(int side, Lay move) {
    const int a = lowHalf(move.domino), b = highHalf(move.domino);
    hand[side] &= ~(DominoSet{1} << move.domino);
    OpenEnd& end = move.left ? left : right;
    end = OpenEnd{a == end.open ? b : a, a == b};
    scoreAndCheck(side, left.count() + right.count());
}

void Round::scoreAndCheck(int side, int total) {
    passes = 0;
    if (scoring::scores(total))
        score[side] += total;
    if (hand[side] == 0 || scoring::reachedTarget(score[side]))
        award(side);
}

void Round::award(int winner) {
    score[winner] += static_cast<int>(scoring::roundAward(pips(hand[0]), pips(hand[1])));
    over = true;
}

void Round::blocked() {
    const auto winner = scoring::blockedWinner(pips(hand[0]), pips(hand[1]));
    if (winner != scoring::BlockedWinner::Nobody)
        award(winner == scoring::BlockedWinner::First ? 0 : 1);
    over = true;
}

int Round::fittingMoves(DominoSet held, std::array<Lay, 56>& moves) const {
    int n = 0;
    forEachLay(held, left, right, [&](int i, bool onLeft) { moves[n++] = Lay{i, onLeft}; });
    return n;
}

std::optional<Lay> quickMove(const Round& round, int side) {
    std::optional<Lay> best;
    int bestKey = -1 << 30;
    const DominoSet theirs = round.hand[1 - side];
    forEachLay(round.hand[side], round.left, round.right, [&](int i, bool onLeft) {
        const Placed p = placed(round.left, round.right, i, onLeft);
        const int value = p.points - bestReply(theirs, p.left, p.right);
        const int a = lowHalf(i), b = highHalf(i);
        const int key = value * 64 + (a + b) * 2 + (a == b ? 1 : 0);
        if (key > bestKey) {
            bestKey = key;
            best = Lay{i, onLeft};
        }
    });
    return best;
}

void playOut(Round& round) {
    // Two hands full at the limit with the BoneYard left could pass for ever.
    constexpr int TurnLimit = 200;
    for (int turn = 0; !round.over && turn < TurnLimit; ++turn) {
        const int side = round.toMove;
        round.toMove = 1 - side;
        std::optional<Lay> move = quickMove(round, side);
        while (!move && round.boneYardCount > 0 && countOf(round.hand[side]) < HandLimit) {
            round.hand[side] |= DominoSet{1} << round.boneYard[--round.boneYardCount];
            move = quickMove(round, side);
        }
        if (move)
            round.lay(side, *move);
        else if (round.boneYardCount == 0 && ++round.passes >= 2)
            round.blocked();
    }
}

} // namespace pipwright::master
