#include "computer/table/Expert.h"

#include "computer/table/Knowledge.h"
#include "rules/Scoring.h"

#include <algorithm>
#include <bit>

namespace pipwright::table {

namespace {

using rules::Domino;
using rules::DominoSet;
using rules::Line;
using rules::Move;

// How much a point on the ends is worth against a pip shed: Fives and Threes
// scores small numbers towards a small target.
int pointWeight(rules::EndsScore scoring) {
    return scoring == rules::EndsScore::FivesAndThrees ? 30 : 10;
}

// How much each pip shed is worth: the award is made of pips, except where
// going out earns a single point.
int pipWeight(const rules::RuleSet& rules) {
    if (rules.award == rules::Award::OutPoint)
        return 1;
    return rules.endsScore == rules::EndsScore::Nothing ? 10 : 4;
}

// What a lay on this line scores for a side at this score.
int pointsMade(const rules::RuleSet& rules, const Line& line, int sideScore) {
    const int points = rules::countPoints(rules.endsScore, line.count());
    if (rules.exactTarget && sideScore + points > rules.target)
        return 0;
    return points;
}

// The most any of these dominoes scores laid on the line.
int bestReply(const rules::RuleSet& rules, const Line& line, DominoSet held, int sideScore) {
    if (rules.endsScore == rules::EndsScore::Nothing)
        return 0;
    int best = 0;
    const DominoSet fitting =
        held & (DominoSet::touching(line.left().open) | DominoSet::touching(line.right().open));
    for (const Domino d : fitting)
        for (const rules::End end : {rules::End::Left, rules::End::Right})
            if (line.fits(d, end)) {
                Line after = line;
                after.lay(d, end);
                best = std::max(best, pointsMade(rules, after, sideScore));
            }
    return best;
}

unsigned suitsOf(DominoSet hand) {
    unsigned suits = 0;
    for (const Domino d : hand)
        suits |= (1u << d.low) | (1u << d.high);
    return suits;
}

// Whether neither open end is among these suits.
bool endsMissed(const Line& line, unsigned missing) {
    return (missing >> line.left().open & 1u) && (missing >> line.right().open & 1u);
}

// The worth of one lay to the seat: points now, the next seat's reply, the
// dominoes shed and kept, and who is left unable to follow.
int worthOf(const rules::SeatView& view, const Move& move, DominoSet unseen,
            const std::array<unsigned, rules::MaxSeats>& missing) {
    const rules::RuleSet& rules = view.rules;
    const int side = rules::sideOf(rules, view.seat);
    Line after = view.line;
    after.lay(move.domino, move.end);
    const DominoSet kept = [&] {
        DominoSet k = view.hand;
        k.erase(move.domino);
        return k;
    }();
    if (kept.empty())
        return 1'000'000;
    const int made = pointsMade(rules, after, view.scores[side]);
    if (made > 0 && view.scores[side] + made >= rules.target)
        return 2'000'000;

    int worth = made * pointWeight(rules.endsScore);
    const int next = (view.seat + 1) % rules.seats;
    const int nextSide = rules::sideOf(rules, next);
    const DominoSet nextMayHold = unseen.without(touchingAny(missing[next]));
    worth -= 7 * bestReply(rules, after, nextMayHold, view.scores[nextSide]) *
             pointWeight(rules.endsScore) / 10;
    if (endsMissed(after, missing[next]))
        worth += rules.drawWhenStuck ? 30 : 60;
    if (rules.partners && endsMissed(after, missing[(view.seat + 2) % 4]))
        worth -= 40;

    worth += move.domino.pips() * pipWeight(rules);
    if (move.domino.isDouble())
        worth += 30;
    // Dominoes kept that follow the new ends, and the suits still held.
    const DominoSet follow =
        kept & (DominoSet::touching(after.left().open) | DominoSet::touching(after.right().open));
    worth += std::min(follow.size(), 3) * 15 + (follow.empty() ? 0 : 20);
    worth += std::popcount(suitsOf(kept)) * 12;
    return worth;
}

} // namespace

rules::Move chooseExpertMove(const rules::SeatView& view, std::uint64_t) {
    const rules::MoveList moves = rules::legalMoves(view);
    if (moves.empty())
        return Move::pass();
    if (moves.size() == 1 || moves[0].kind != Move::Kind::Lay)
        return moves[0];
    const DominoSet unseen = unseenDominoes(view);
    const auto missing = missingSuits(view);
    int best = 0;
    int bestWorth = worthOf(view, moves[0], unseen, missing);
    for (int i = 1; i < moves.size(); ++i) {
        const int worth = worthOf(view, moves[i], unseen, missing);
        if (worth > bestWorth) {
            best = i;
            bestWorth = worth;
        }
    }
    return moves[best];
}

} // namespace pipwright::table
