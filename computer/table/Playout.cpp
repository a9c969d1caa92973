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

// The most a hand can score with one lay on the line.
int bestReply(rules::EndsScore scoring, const Line& line, DominoSet hand) {
    int best = 0;
    const DominoSet fitting =
        hand & (touchingValue(line.left().open) | touchingValue(line.right().open));
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
    for (const Domino d : fitting)
        for (const rules::End end : {rules::End::Left, rules::End::Right}) {
            if (!d.has(end == rules::End::Left ? left : right))
                continue;
            int value = 0;
            if (scoring != rules::EndsScore::Nothing) {
                Line after = line;
                after.lay(d, end);
                value =
                    rules::countPoints(scoring, after.count()) - bestReply(scoring, after, next);
            }
            const int key = value * 64 + d.pips() * 2 + (d.isDouble() ? 1 : 0);
            if (first || key > bestKey) {
                best = rules::Move::lay(d, end);
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
