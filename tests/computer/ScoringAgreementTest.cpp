// Scripted rounds scored twice: by the engine's own flows and by the Master's
// quick play-out. Both must end the round alike and with the same points.
#include "DealtHand.h"
#include "computer/Playout.h"
#include "game/Engine.h"
#include "game/Geometry.h"
#include "tests/support/FakeWindow.h"

#include <gtest/gtest.h>
#include <optional>
#include <utility>
#include <vector>

namespace pipwright {
namespace {

using Dominoes = std::vector<std::pair<int, int>>;

// One side's action: a domino laid on an end, or a pass. The first step is the
// player's Set Domino, laid a open on the left.
struct Step {
    Seat seat = Seat::Player;
    int a = 0, b = 0;
    End end = End::Left;
    bool pass = false;
};

Step player(int a, int b, End end = End::Left) {
    return {Seat::Player, a, b, end, false};
}
Step computer(int a, int b, End end) {
    return {Seat::Computer, a, b, end, false};
}
Step pass(Seat seat) {
    return {seat, 0, 0, End::Left, true};
}

int slotOf(const HandTable& hand, int slots, int a, int b) {
    for (int i = 1; i <= slots; ++i)
        if (hand(i, 1) == a && hand(i, 2) == b)
            return i;
    return 0;
}

// The computer's side of the engine, laying what the script says the way the
// computer's turn does.
class ScriptedSeat : public ComputerSeat {
public:
    ScriptedSeat(Engine& engine, const std::vector<Step>& steps, std::size_t& next)
        : engine_(engine), steps_(steps), next_(next) {}
    void ComputerSelects7Dominos() override {}
    void ComputerSetDomino() override {}
    void GameStatus4() override {
        GameState& s = engine_.state();
        if (next_ >= steps_.size() || steps_[next_].seat != Seat::Computer)
            return;
        const Step step = steps_[next_++];
        if (step.pass) {
            s.ComputerCantPlay = True;
            s.GameStatus = Phase::PlayersTurn;
            engine_.CheckForWin();
            return;
        }
        const int slot = slotOf(s.ComputerArray, s.ComputerDom, step.a, step.b);
        ASSERT_NE(slot, 0);
        const bool firstTouches = step.a == s.openEnd(step.end);
        s.appendToArm(step.end, firstTouches ? step.a : step.b, firstTouches ? step.b : step.a);
        engine_.DetermineTheScore();
        s.ComputerArray(slot, 1) = NoHalf;
        s.ComputerArray(slot, 2) = NoHalf;
        engine_.CheckForWin();
        if (s.GameStatus == Phase::ComputersTurn)
            s.GameStatus = Phase::PlayersTurn;
    }

private:
    Engine& engine_;
    const std::vector<Step>& steps_;
    std::size_t& next_;
};

struct ScriptedRound {
    const char* name;
    Dominoes playerHand, computerHand;
    int playerScore = 0, computerScore = 0;
    std::vector<Step> steps;
    std::pair<long, long> scores; // the player's and the computer's at the end
};

// The scores when the engine announced the round's end.
std::optional<std::pair<long, long>> scoreByEngine(const ScriptedRound& r) {
    FakeWindow window;
    ScriptedRandom random;
    Engine engine(window, random);
    std::size_t next = 0;
    ScriptedSeat seat(engine, r.steps, next);
    engine.setComputer(&seat);
    engine.Form_Load(Metrics{});
    GameState& s = engine.state();
    s.PlayerName = "Tester";
    s.BoneYardArray.fill(NoHalf);
    s.Playerdom = dealHand(s.PlayerArray, r.playerHand);
    s.ComputerDom = dealHand(s.ComputerArray, r.computerHand);
    s.PlayerScore = Variant::integer(static_cast<Integer>(r.playerScore));
    s.ComputerScore = static_cast<Integer>(r.computerScore);
    s.GameStatus = Phase::SetDomino;
    std::optional<std::pair<long, long>> ended;
    window.onResultWindow = [&](ResultWindow) {
        if (!ended)
            ended = std::pair{s.PlayerScore.toLong(), static_cast<long>(s.ComputerScore)};
    };
    auto clickSlot = [&](int slot) {
        engine.PlayersPic_MouseDown(handSlotLeft(slot) + HalfSize / 2, s.PlayerHandTop + HalfSize);
        engine.PlayersPic_Click();
    };
    while (next < r.steps.size() && !ended) {
        const Step step = r.steps[next++];
        EXPECT_EQ(step.seat, Seat::Player) << "step " << next;
        if (step.pass) {
            engine.ComPlayerCantPlay_Click();
            continue;
        }
        clickSlot(slotOf(s.PlayerArray, s.Playerdom, step.a, step.b));
        if (next > 1)
            engine.laySelectedOn(step.end);
    }
    return ended;
}

// The scores when the play-out's round was over.
std::optional<std::pair<long, long>> scoreByPlayout(const ScriptedRound& r) {
    using namespace master;
    Round round;
    for (auto [a, b] : r.playerHand)
        round.hand[0] |= dominoBit(a, b);
    for (auto [a, b] : r.computerHand)
        round.hand[1] |= dominoBit(a, b);
    round.score = {r.playerScore, r.computerScore};
    for (std::size_t k = 0; k < r.steps.size() && !round.over; ++k) {
        const Step& step = r.steps[k];
        const int side = step.seat == Seat::Player ? 0 : 1;
        if (step.pass) {
            // Passes close a script: both hands are stuck, and the play-out
            // finds the round blocked.
            round.toMove = side;
            playOut(round);
            break;
        }
        if (k == 0)
            round.setDomino(side, dominoIndex(step.a, step.b));
        else
            round.lay(side, Lay{dominoIndex(step.a, step.b), step.end == End::Left});
    }
    if (!round.over)
        return std::nullopt;
    return std::pair<long, long>{round.score[0], round.score[1]};
}

const ScriptedRound Rounds[] = {
    {"the player goes out; 12 pips award 10",
     {{2, 3}, {3, 4}},
     {{2, 6}, {1, 1}, {5, 5}},
     0,
     0,
     {player(2, 3), computer(2, 6, End::Left), player(3, 4, End::Right)},
     {25, 0}},
    {"the computer goes out past a double end",
     {{1, 4}, {6, 6}, {1, 2}},
     {{4, 4}, {4, 0}},
     0,
     0,
     {player(1, 4), computer(4, 4, End::Right), player(1, 2, End::Left),
      computer(4, 0, End::Right)},
     {15, 10}},
    {"the target ends the round with 4 pips rounded to 5",
     {{0, 1}, {1, 3}, {6, 6}},
     {{0, 2}, {3, 5}, {4, 4}},
     195,
     150,
     {player(0, 1), computer(0, 2, End::Left), player(1, 3, End::Right)},
     {205, 150}},
    {"blocked, the player's fewer pips award 20",
     {{3, 4}, {0, 0}, {1, 1}},
     {{4, 2}, {6, 6}, {5, 6}},
     0,
     0,
     {player(3, 4), computer(4, 2, End::Right), pass(Seat::Player), pass(Seat::Computer)},
     {20, 5}},
    {"blocked on equal pips awards nothing",
     {{3, 4}, {6, 0}},
     {{4, 2}, {5, 1}},
     10,
     20,
     {player(3, 4), computer(4, 2, End::Right), pass(Seat::Player), pass(Seat::Computer)},
     {10, 25}},
    {"blocked, the computer's fewer pips: 23 round up to 25",
     {{3, 4}, {6, 6}, {6, 5}},
     {{4, 2}, {0, 0}},
     0,
     0,
     {player(3, 4), computer(4, 2, End::Right), pass(Seat::Player), pass(Seat::Computer)},
     {0, 30}},
};

TEST(ScoringAgreement, EngineAndPlayoutScoreScriptedRoundsAlike) {
    for (const ScriptedRound& r : Rounds) {
        SCOPED_TRACE(r.name);
        const auto engine = scoreByEngine(r);
        const auto playout = scoreByPlayout(r);
        ASSERT_TRUE(engine.has_value());
        ASSERT_TRUE(playout.has_value());
        EXPECT_EQ(*engine, r.scores);
        EXPECT_EQ(*playout, r.scores);
    }
}

} // namespace
} // namespace pipwright
