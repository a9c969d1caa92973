#include "computer/table/Playout.h"

#include "rules/Scoring.h"

#include <algorithm>

namespace pipwright::table {

namespace {

using rules::Domino;
using rules::DominoSet;
using rules::Line;

// The most a hand can score with one lay on the line.
int bestReply(rules::EndsScore scoring, const Line& line, DominoSet hand) {
    int best = 0;
    const DominoSet fitting =
        hand & (DominoSet::touching(line.left().open) | DominoSet::touching(line.right().open));
    for (const Domino d : fitting)
        for (const rules::End end : {rules::End::Left, rules::End::Right})
            if (line.fits(d, end)) {
                Line after = line;
                after.lay(d, end);
                best = std::max(best, rules::countPoints(scoring, after.count()));
            }
    return best;
}

} // namespace

rules::Move quickMove(const rules::Game& game) {
    const rules::MoveList moves = game.legalMoves(game.turn());
    if (moves.size() <= 1 || moves[0].kind != rules::Move::Kind::Lay)
        return moves.empty() ? rules::Move::pass() : moves[0];
    const rules::EndsScore scoring = game.rules().endsScore;
    const DominoSet next = game.hand((game.turn() + 1) % game.rules().seats);
    int best = 0, bestKey = 0;
    for (int i = 0; i < moves.size(); ++i) {
        const Domino d = moves[i].domino;
        int value = 0;
        if (scoring != rules::EndsScore::Nothing) {
            Line after = game.line();
            after.lay(d, moves[i].end);
            value = rules::countPoints(scoring, after.count()) - bestReply(scoring, after, next);
        }
        const int key = value * 64 + d.pips() * 2 + (d.isDouble() ? 1 : 0);
        if (i == 0 || key > bestKey) {
            best = i;
            bestKey = key;
        }
    }
    return moves[best];
}

void playOutHand(rules::Game& game) {
    // Every move lays, draws or passes towards a block: a bound for safety.
    constexpr int MoveLimit = 400;
    for (int n = 0; n < MoveLimit && game.phase() == rules::Phase::Playing; ++n)
        game.apply(quickMove(game));
}

} // namespace pipwright::table
