#include "computer/MasterChoice.h"

#include "computer/HiddenHand.h"
#include "computer/Playout.h"

#include <algorithm>
#include <vector>

namespace pipwright {

namespace {

using namespace master;

// Play-outs spent on a decision, shared among its choices.
constexpr int PlayoutBudget = 4000;
constexpr int MinDeals = 32;
constexpr int MaxDeals = 600;
// What ending the game is worth beyond its points.
constexpr int GameBonus = 100;

struct Choice {
    int slot = 0;
    Lay lay;
};

Round roundInView(const TableView& view) {
    Round round;
    for (const HeldDomino& d : view.hand)
        round.hand[0] |= dominoBit(d.a, d.b);
    round.score = {view.myScore, view.otherScore};
    round.left = OpenEnd{view.L, view.L == view.L2};
    round.right = OpenEnd{view.R, view.R == view.R2};
    return round;
}

int valueOf(const Round& end, const Round& start) {
    int value = (end.score[0] - start.score[0]) - (end.score[1] - start.score[1]);
    if (scoring::reachedTarget(end.score[0]))
        value += GameBonus;
    if (scoring::reachedTarget(end.score[1]))
        value -= GameBonus;
    return value;
}

// The index of the choice with the best total over sampled deals. `make`
// plays a choice on a round.
template <typename Make>
std::size_t bestChoice(const TableView& view, const std::vector<Choice>& choices,
                       std::uint64_t seed, Make make) {
    if (choices.size() <= 1)
        return 0;
    SearchRandom random(seed);
    const HiddenHand hidden = inferHiddenHand(view);
    const DominoSet unseen = unseenDominoes(view);
    const Round start = roundInView(view);
    const int n = static_cast<int>(choices.size());
    const int deals = std::clamp(PlayoutBudget / n, MinDeals, MaxDeals);
    std::vector<long> totals(choices.size(), 0);
    for (int k = 0; k < deals; ++k) {
        const Deal deal = dealUnseen(unseen, hidden, random);
        Round dealt = start;
        dealt.hand[1] = deal.other;
        dealt.boneYard = deal.boneYard;
        dealt.boneYardCount = deal.boneYardCount;
        for (int c = 0; c < n; ++c) {
            Round round = dealt;
            make(round, choices[c]);
            round.toMove = 1;
            playOut(round);
            totals[c] += valueOf(round, start);
        }
    }
    return static_cast<std::size_t>(std::max_element(totals.begin(), totals.end()) -
                                    totals.begin());
}

} // namespace

std::optional<Move> masterMove(const TableView& view, std::uint64_t seed) {
    if (!view.lineStarted())
        return std::nullopt;
    const Round start = roundInView(view);
    std::vector<Choice> choices;
    // Ends alike in value and in being doubles make left and right the same
    // move: the left stands for both, as a click on the line takes it.
    const bool endsAlike = view.L == view.R && (view.L == view.L2) == (view.R == view.R2);
    for (const HeldDomino& d : view.hand) {
        std::array<Lay, 56> lays;
        const int n = start.fittingMoves(dominoBit(d.a, d.b), lays);
        for (int k = 0; k < n; ++k)
            if (lays[k].left || !endsAlike)
                choices.push_back(Choice{d.slot, lays[k]});
    }
    if (choices.empty())
        return std::nullopt;
    const Choice& best = choices[bestChoice(
        view, choices, seed, [](Round& round, const Choice& c) { round.lay(0, c.lay); })];
    const HeldDomino& held =
        *std::find_if(view.hand.begin(), view.hand.end(),
                      [&](const HeldDomino& d) { return d.slot == best.slot; });
    const int open = best.lay.left ? view.L : view.R;
    const bool firstTouches = held.a == open;
    return Move{best.slot, best.lay.left ? End::Left : End::Right, firstTouches ? held.a : held.b,
                firstTouches ? held.b : held.a, "M"};
}

int masterSetDomino(const TableView& view, std::uint64_t seed) {
    std::vector<Choice> choices;
    for (const HeldDomino& d : view.hand)
        choices.push_back(Choice{d.slot, Lay{dominoIndex(d.a, d.b), true}});
    if (choices.empty())
        return 0;
    return choices[bestChoice(
                       view, choices, seed,
                       [](Round& round, const Choice& c) { round.setDomino(0, c.lay.domino); })]
        .slot;
}

} // namespace pipwright
