#include "computer/MasterChoice.h"

#include "computer/ClassicTable.h"
#include "computer/HiddenHand.h"
#include "computer/table/Playout.h"
#include "rules/Game.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace pipwright {

namespace {

using namespace master;

// Play-outs spent on a decision, shared among its choices.
constexpr int PlayoutBudget = 2500;
constexpr int MinDeals = 32;
constexpr int MaxDeals = 600;
// What ending the game is worth beyond its points.
constexpr int GameBonus = 100;

struct Choice {
    int slot = 0;
    rules::Move move;
};

rules::Domino coreDomino(int index) {
    return rules::Domino::of(lowHalf(index), highHalf(index));
}

// One deal of the unseen dominoes, as the core's hidden part of the table.
rules::HiddenDeal coreDeal(const TableView& table, const rules::SeatView& view,
                           const HiddenHand& hidden, SearchRandom& random) {
    const Deal deal = dealUnseen(unseenDominoes(table), hidden, random);
    rules::HiddenDeal core;
    core.hands[0] = view.hand;
    for (DominoSet other = deal.other; other != 0; other &= other - 1)
        core.hands[1].insert(coreDomino(std::countr_zero(other)));
    for (int i = 0; i < deal.boneYardCount; ++i) {
        const rules::Domino d = coreDomino(deal.boneYard[i]);
        if (i < view.boneYardCount)
            core.boneYard[core.boneYardCount++] = d;
        else
            core.outOfPlay.insert(d);
    }
    return core;
}

// Points won less points conceded since the start, the game's end counting
// beyond its points.
long valueOf(const rules::Game& end, const rules::SeatView& start) {
    long value = (end.score(0) - start.scores[0]) - (end.score(1) - start.scores[1]);
    if (end.score(0) >= end.rules().target)
        value += GameBonus;
    if (end.score(1) >= end.rules().target)
        value -= GameBonus;
    return value;
}

// The index of the choice with the best total over sampled deals, each
// played out on the rules core.
std::size_t bestChoice(const TableView& table, const rules::SeatView& view,
                       const std::vector<Choice>& choices, std::uint64_t seed) {
    if (choices.size() <= 1)
        return 0;
    SearchRandom random(seed);
    const HiddenHand hidden = inferHiddenHand(table);
    const int n = static_cast<int>(choices.size());
    const int deals = std::clamp(PlayoutBudget / n, MinDeals, MaxDeals);
    std::vector<long> totals(choices.size(), 0);
    for (int k = 0; k < deals; ++k) {
        const rules::HiddenDeal deal = coreDeal(table, view, hidden, random);
        // A deal short of the other side's count: the table shows more than
        // its dominoes allow.
        if (deal.hands[1].size() != view.handCounts[1] ||
            deal.boneYardCount != view.boneYardCount ||
            deal.outOfPlay.size() != view.outOfPlayCount)
            continue;
        const rules::Game dealt = rules::Game::fromView(view, deal, random.next());
        for (int c = 0; c < n; ++c) {
            rules::Game game = dealt;
            game.apply(choices[c].move);
            table::playOutHand(game);
            totals[c] += valueOf(game, view);
        }
    }
    return static_cast<std::size_t>(std::max_element(totals.begin(), totals.end()) -
                                    totals.begin());
}

} // namespace

std::optional<Move> masterMove(const TableView& table, std::uint64_t seed) {
    if (!table.lineStarted())
        return std::nullopt;
    const auto seat = classicSeat(table);
    std::vector<Choice> choices;
    // Ends alike in value and in being doubles make left and right the same
    // move: the left stands for both, as a click on the line takes it.
    const bool endsAlike = table.L == table.R && (table.L == table.L2) == (table.R == table.R2);
    for (const HeldDomino& d : table.hand)
        for (const bool left : {true, false}) {
            const int open = left ? table.L : table.R;
            if ((d.a != open && d.b != open) || (!left && endsAlike))
                continue;
            const bool coreLeft = seat && seat->swapped ? !left : left;
            choices.push_back(
                Choice{d.slot, rules::Move::lay(rules::Domino::of(d.a, d.b),
                                                coreLeft ? rules::End::Left : rules::End::Right)});
        }
    if (choices.empty())
        return std::nullopt;
    const Choice& best = choices[seat ? bestChoice(table, seat->view, choices, seed) : 0];
    const bool left = (best.move.end == rules::End::Left) != (seat && seat->swapped);
    const HeldDomino& held =
        *std::find_if(table.hand.begin(), table.hand.end(),
                      [&](const HeldDomino& d) { return d.slot == best.slot; });
    const int open = left ? table.L : table.R;
    const bool firstTouches = held.a == open;
    return Move{best.slot, left ? End::Left : End::Right, firstTouches ? held.a : held.b,
                firstTouches ? held.b : held.a, "M"};
}

int masterSetDomino(const TableView& table, std::uint64_t seed) {
    std::vector<Choice> choices;
    for (const HeldDomino& d : table.hand)
        choices.push_back(
            Choice{d.slot, rules::Move::lay(rules::Domino::of(d.a, d.b), rules::End::First)});
    if (choices.empty())
        return 0;
    const auto seat = classicSeat(table);
    return choices[seat ? bestChoice(table, seat->view, choices, seed) : 0].slot;
}

} // namespace pipwright
