#include "computer/table/Master.h"

#include "computer/table/DealSampler.h"
#include "computer/table/Playout.h"

#include <algorithm>
#include <vector>

namespace pipwright::table {

namespace {

using rules::Move;

// Work spent on a decision, in dominoes played out, shared among its choices.
constexpr long WorkBudget = 30000;
constexpr int MinDeals = 12;
constexpr int MaxDeals = 200;

// The choices worth searching: left and right are one choice when both ends
// show the same value alike.
std::vector<Move> distinctChoices(const rules::SeatView& view) {
    const rules::MoveList moves = rules::legalMoves(view);
    const bool endsAlike = view.line.left() == view.line.right();
    std::vector<Move> choices;
    for (const Move& m : moves)
        if (!(endsAlike && m.kind == Move::Kind::Lay && m.end == rules::End::Right))
            choices.push_back(m);
    return choices;
}

// What the hand played out was worth to the side: its score less the best
// other side's, the game's end counting beyond its points.
long valueFor(const rules::Game& game, int side) {
    const int sides = rules::sideCount(game.rules());
    int bestOther = 0, bestSide = side;
    bool first = true;
    for (int s = 0; s < sides; ++s) {
        if (s != side && (first || game.score(s) > bestOther)) {
            bestOther = game.score(s);
            first = false;
        }
        if (game.score(s) > game.score(bestSide))
            bestSide = s;
    }
    long value = game.score(side) - bestOther;
    if (game.phase() == rules::Phase::GameOver)
        value += (bestSide == side ? 1 : -1) * static_cast<long>(game.rules().target) / 2;
    return value;
}

} // namespace

rules::Move chooseMasterMove(const rules::SeatView& view, std::uint64_t seed) {
    const std::vector<Move> choices = distinctChoices(view);
    if (choices.empty())
        return Move::pass();
    if (choices.size() == 1)
        return choices.front();
    const int n = static_cast<int>(choices.size());
    long dominoesLeft = view.boneYardCount / 2 + 1;
    for (int s = 0; s < view.rules.seats; ++s)
        dominoesLeft += view.handCounts[s];
    const int deals = static_cast<int>(std::clamp(
        WorkBudget / (n * dominoesLeft), static_cast<long>(MinDeals), static_cast<long>(MaxDeals)));
    const int side = rules::sideOf(view.rules, view.seat);
    const DealSampler sampler(view);
    rules::SplitMix64 random(seed);
    std::vector<long> totals(choices.size(), 0);
    for (int k = 0; k < deals; ++k) {
        const rules::HiddenDeal deal = sampler.sample(random);
        const rules::Game dealt = rules::Game::fromView(view, deal, random.next());
        for (int c = 0; c < n; ++c) {
            rules::Game game = dealt;
            game.apply(choices[c]);
            playOutHand(game);
            totals[c] += valueFor(game, side);
        }
    }
    return choices[std::max_element(totals.begin(), totals.end()) - totals.begin()];
}

} // namespace pipwright::table
