#include "computer/table/Playout.h"

#include "rules/Scoring.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace pipwright::table {

namespace {

using rules::Domino;
using rules::DominoSet;
using rules::Line;

// Every domino with a half of this value; none for the mark of no end.
DominoSet touchingValue(int value) {
    static constexpr auto Sets = [] {
        std::array<std::uint32_t, 8> sets{};
        for (int i = 0; i < rules::DominoCount; ++i) {
            const Domino d = Domino::at(i);
            sets[d.low] |= 1u << i;
            sets[d.high] |= 1u << i;
        }
        return sets;
    }();
    return DominoSet::fromBits(Sets[static_cast<unsigned>(value) & 7u]);
}

// What a count of the ends scores; inline for the play-outs' inner loop.
int pointsFor(rules::EndsScore scoring, int count) {
    if (scoring == rules::EndsScore::MultipleOfFive)
        return count % 5 == 0 ? count : 0;
    return scoring == rules::EndsScore::FivesAndThrees ? rules::fivesAndThreesPoints(count) : 0;
}

// The two open ends as a count-keeper sees them.
struct Ends {
    rules::OpenEnd left, right;
    // The count after laying the domino on one end (a line of two or more).
    int countAfter(Domino d, bool onLeft) const {
        const rules::OpenEnd& at = onLeft ? left : right;
        const rules::OpenEnd& other = onLeft ? right : left;
        return rules::endCount(d.otherHalf(at.open), d.isDouble()) +
               rules::endCount(other.open, other.isDouble);
    }
    Ends after(Domino d, bool onLeft) const {
        Ends e = *this;
        rules::OpenEnd& at = onLeft ? e.left : e.right;
        at = rules::OpenEnd{d.otherHalf(at.open), d.isDouble()};
        return e;
    }
};

// The most a hand can score with one lay on these ends.
int bestReply(rules::EndsScore scoring, const Ends& ends, DominoSet hand) {
    int best = 0;
    const DominoSet fitting =
        hand & (touchingValue(ends.left.open) | touchingValue(ends.right.open));
    for (const Domino d : fitting) {
        if (d.has(ends.left.open))
            best = std::max(best, pointsFor(scoring, ends.countAfter(d, true)));
        if (d.has(ends.right.open))
            best = std::max(best, pointsFor(scoring, ends.countAfter(d, false)));
    }
    return best;
}

} // namespace

rules::Move quickMove(const rules::Game& game) {
    const Line& line = game.line();
    if (line.empty()) {
        const rules::MoveList moves = game.legalMoves(game.turn());
        return moves.empty() ? rules::Move::pass() : moves[0];
    }
    const DominoSet hand = game.hand(game.turn());
    const int left = line.left().open, right = line.right().open;
    const DominoSet fitting = hand & (touchingValue(left) | touchingValue(right));
    if (fitting.empty())
        return game.rules().drawWhenStuck && game.boneYardCount() > 0 ? rules::Move::draw()
                                                                      : rules::Move::pass();
    const rules::EndsScore scoring = game.rules().endsScore;
    const DominoSet next = game.hand((game.turn() + 1) % game.rules().seats);
    rules::Move best;
    int bestKey = 0;
    bool first = true;
    const Ends ends{line.left(), line.right()};
    for (const Domino d : fitting)
        for (const bool onLeft : {true, false}) {
            if (!d.has(onLeft ? left : right))
                continue;
            int value = 0;
            if (scoring != rules::EndsScore::Nothing)
                value = pointsFor(scoring, ends.countAfter(d, onLeft)) -
                        bestReply(scoring, ends.after(d, onLeft), next);
            const int key = value * 64 + d.pips() * 2 + (d.isDouble() ? 1 : 0);
            if (first || key > bestKey) {
                best = rules::Move::lay(d, onLeft ? rules::End::Left : rules::End::Right);
                bestKey = key;
                first = false;
            }
        }
    return best;
}

void playOutHand(rules::Game& game) {
    // Every move lays, draws or passes towards a block: a bound for safety.
    constexpr int MoveLimit = 400;
    for (int n = 0; n < MoveLimit && game.phase() == rules::Phase::Playing; ++n)
        game.apply(quickMove(game));
}

} // namespace pipwright::table
