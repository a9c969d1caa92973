// Scripted rounds scored by the engine and by the Master's play-out on the
// rules core alike.
#include "DealtHand.h"
#include "computer/ClassicTable.h"
#include "computer/table/Playout.h"
#include "game/Engine.h"
#include "tests/support/FakeWindow.h"

#include <gtest/gtest.h>
#include <optional>
#include <utility>
#include <vector>

namespace pipwright {
namespace {

using Dominoes = std::vector<std::pair<int, int>>;

struct Laid {
    int side; // 0 the player, 1 the computer
    int a, b;
    bool left;
};

// From the Set Domino 3-4 (3 open on the left), no points yet: the lays, then
// both sides pass when `blocked`.
struct ScriptedRound {
    const char* name;
    Dominoes hands[2];
    int scores[2];
    std::vector<Laid> lays;
    bool blocked;
    std::pair<long, long> expected;
    // The core ends the game at the target at once, with no award for the hand.
    std::optional<std::pair<long, long>> byCore;
};

std::pair<long, long> byEngine(const ScriptedRound& r) {
    FakeWindow window;
    ScriptedRandom random;
    Engine engine(window, random);
    engine.Form_Load(Metrics{});
    GameState& s = engine.state();
    s.Playerdom = dealHand(s.PlayerArray, r.hands[0]);
    s.ComputerDom = dealHand(s.ComputerArray, r.hands[1]);
    s.BoneYardArray.fill(NoHalf);
    s.PlayerScore = Variant::whole(r.scores[0]);
    s.ComputerScore = static_cast<Integer>(r.scores[1]);
    s.startLine(3, 4);
    std::optional<std::pair<long, long>> ended;
    window.onResultWindow = [&](ResultWindow) {
        if (!ended)
            ended = std::pair<long, long>{s.PlayerScore.toLong(), s.ComputerScore};
    };
    for (const Laid& l : r.lays) {
        HandTable& hand = l.side == 0 ? s.PlayerArray : s.ComputerArray;
        for (int i = 1; i <= SetSize; ++i)
            if (hand(i, 1) == l.a && hand(i, 2) == l.b)
                hand(i, 1) = hand(i, 2) = NoHalf;
        const End end = l.left ? End::Left : End::Right;
        const bool aTouches = l.a == s.openEnd(end);
        s.appendToArm(end, aTouches ? l.a : l.b, aTouches ? l.b : l.a);
        s.GameStatus = l.side == 0 ? Phase::PlayersTurn : Phase::ComputersTurn;
        engine.DetermineTheScore();
        engine.CheckForWin();
    }
    if (r.blocked) {
        s.PlayerCantPlay = Variant::boolean(true);
        s.ComputerCantPlay = True;
        engine.CheckForWin();
    }
    return ended.value_or(std::pair<long, long>{-1, -1});
}

// The same round on the rules core under the classic rules, as the Master's
// play-outs score it.
std::pair<long, long> byPlayout(const ScriptedRound& r) {
    rules::SeatView view;
    view.rules = classicRules();
    view.line.lay(rules::Domino::of(3, 4), rules::End::First);
    rules::HiddenDeal deal;
    for (int side : {0, 1})
        for (auto [a, b] : r.hands[side])
            deal.hands[side].insert(rules::Domino::of(a, b));
    view.hand = deal.hands[0];
    view.handCounts = {deal.hands[0].size(), deal.hands[1].size(), 0, 0};
    deal.outOfPlay =
        rules::DominoSet::whole().without(deal.hands[0] | deal.hands[1] | view.line.laid());
    view.outOfPlayCount = deal.outOfPlay.size();
    view.scores = {r.scores[0], r.scores[1], 0, 0};
    view.turn = r.lays.empty() ? 0 : r.lays.front().side;
    rules::Game game = rules::Game::fromView(view, deal, 1);
    for (const Laid& l : r.lays)
        game.apply(rules::Move::lay(rules::Domino::of(l.a, l.b),
                                    l.left ? rules::End::Left : rules::End::Right));
    if (r.blocked)
        table::playOutHand(game);
    return game.phase() != rules::Phase::Playing
               ? std::pair<long, long>{game.score(0), game.score(1)}
               : std::pair<long, long>{-1, -1};
}

const ScriptedRound Rounds[] = {
    {"the player goes out; a double end counts twice; 12 pips award 10",
     {{{4, 4}, {2, 5}}, {{3, 2}, {1, 1}, {5, 5}}},
     {0, 0},
     {{0, 4, 4, false}, {1, 3, 2, true}, {0, 2, 5, true}},
     false,
     {10, 10},
     {}},
    {"the target ends the round; 7 pips round to 5",
     {{{3, 1}, {6, 6}}, {{4, 6}, {3, 5}, {0, 1}}},
     {195, 150},
     {{0, 3, 1, true}},
     false,
     {205, 150},
     std::pair<long, long>{200, 150}},
    {"blocked: the player's 2 pips against 23 award 20",
     {{{0, 0}, {1, 1}}, {{4, 2}, {6, 6}, {5, 6}}},
     {0, 0},
     {{1, 4, 2, false}},
     true,
     {20, 5},
     {}},
    {"blocked on equal pips awards nothing",
     {{{6, 0}}, {{4, 2}, {5, 1}}},
     {10, 20},
     {{1, 4, 2, false}},
     true,
     {10, 25},
     {}},
    {"blocked: the computer's 0 pips against 23 award 25",
     {{{6, 6}, {6, 5}}, {{4, 2}, {0, 0}}},
     {0, 0},
     {{1, 4, 2, false}},
     true,
     {0, 30},
     {}},
};

TEST(ScoringAgreement, EngineAndPlayoutScoreScriptedRoundsAlike) {
    for (const ScriptedRound& r : Rounds) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(byEngine(r), r.expected);
        EXPECT_EQ(byPlayout(r), r.byCore.value_or(r.expected));
    }
}

} // namespace
} // namespace pipwright
