#include "tests/game/EngineFixture.h"

namespace pipwright::testing {
namespace {

struct EndsCase {
    const char* name;
    std::pair<int, int> left;  // inner, outer of the left end entry
    std::pair<int, int> right; // inner, outer of the right end entry
    Integer phase;
    long gained;
};

void PrintTo(const EndsCase& c, std::ostream* out) {
    *out << c.name;
}

class DetermineTheScoreTest : public EngineTest, public ::testing::WithParamInterface<EndsCase> {};

TEST_P(DetermineTheScoreTest, ScoresMultiplesOfFiveForTheMover) {
    const EndsCase c = GetParam();
    s().Dominoleft = Variant::integer(2);
    s().gameleftarray(2, 2) = Variant::integer(static_cast<Integer>(c.left.first));
    s().gameleftarray(2, 3) = Variant::integer(static_cast<Integer>(c.left.second));
    s().DominoRight = 2;
    s().GameRightArray(2, 2) = static_cast<Integer>(c.right.first);
    s().GameRightArray(2, 3) = static_cast<Integer>(c.right.second);
    s().GameStatus = c.phase;
    window.panels.clear();
    engine.DetermineTheScore();
    const long gained =
        c.phase == Phase::PlayersTurn ? s().PlayerScore.toLong() : s().ComputerScore;
    EXPECT_EQ(gained, c.gained);
    if (c.gained > 0)
        EXPECT_EQ(window.panels.size(), 1u);
    else
        EXPECT_TRUE(window.panels.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ends, DetermineTheScoreTest,
    ::testing::Values(EndsCase{"doubleFiveAndFive", {5, 5}, {2, 5}, Phase::PlayersTurn, 15},
                      EndsCase{"threeAndTwo", {1, 3}, {4, 2}, Phase::ComputersTurn, 5},
                      EndsCase{"threeAndThree", {1, 3}, {4, 3}, Phase::PlayersTurn, 0},
                      EndsCase{"doubleSixSetAndThree", {6, 3}, {6, 6}, Phase::PlayersTurn, 15},
                      EndsCase{"twoBlanks", {4, 0}, {3, 0}, Phase::PlayersTurn, 0},
                      EndsCase{"bothDoubles", {5, 5}, {0, 0}, Phase::ComputersTurn, 10},
                      EndsCase{"notInTurn", {1, 3}, {4, 2}, Phase::SetDomino, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, TwoBlankEndsLeaveAnEmptyScoreAtZero) {
    setUpTurn({0, 0}, {{1, 2}});
    engine.DetermineTheScore();
    EXPECT_EQ(s().PlayerScore.kind(), Variant::Kind::Integer);
    EXPECT_EQ(s().PlayerScore.toLong(), 0);
}

struct RoundEndCase {
    const char* name;
    std::vector<std::pair<int, int>> playerHand;
    std::vector<std::pair<int, int>> computerHand;
    long playerScore, computerScore;
    bool blocked;
    ResultWindow window;
    long playerAfter, computerAfter;
};

void PrintTo(const RoundEndCase& c, std::ostream* out) {
    *out << c.name;
}

class CheckForWinTest : public EngineTest, public ::testing::WithParamInterface<RoundEndCase> {};

TEST_P(CheckForWinTest, AwardsTheRoundedDifference) {
    const RoundEndCase c = GetParam();
    setUpRoundEnd(c.playerHand, c.computerHand, c.playerScore, c.computerScore, c.blocked);
    engine.CheckForWin();
    ASSERT_FALSE(window.resultWindows.empty());
    EXPECT_EQ(window.resultWindows[0].window, c.window);
    EXPECT_EQ(s().PlayerScore.toLong(), c.playerAfter);
    EXPECT_EQ(s().ComputerScore, c.computerAfter);
    EXPECT_EQ(s().GameStatus, Phase::DrawForFirstPlay);
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, CheckForWinTest,
    ::testing::Values(
        RoundEndCase{
            "twelveRoundsDown", {}, {{6, 6}}, 40, 0, false, ResultWindow::PlayerWinsRound, 50, 0},
        RoundEndCase{"thirteenRoundsUp",
                     {},
                     {{6, 6}, {0, 1}},
                     40,
                     0,
                     false,
                     ResultWindow::PlayerWinsRound,
                     55,
                     0},
        RoundEndCase{"computerOutAgainstBlanks",
                     {{0, 0}},
                     {},
                     0,
                     20,
                     false,
                     ResultWindow::ComputerWinsRound,
                     0,
                     20},
        RoundEndCase{"blockedTwentyAgainstTwentySeven",
                     {{6, 6}, {4, 4}},
                     {{6, 6}, {5, 5}, {4, 1}},
                     10,
                     10,
                     true,
                     ResultWindow::PlayerScoreWins,
                     15,
                     10},
        RoundEndCase{"blockedComputerFewer",
                     {{6, 5}},
                     {{1, 1}},
                     0,
                     0,
                     true,
                     ResultWindow::ComputerScoreWins,
                     0,
                     10},
        RoundEndCase{"blockedEqualPipsEqualScores",
                     {{3, 3}},
                     {{2, 4}},
                     25,
                     25,
                     true,
                     ResultWindow::PlayerScoreTies,
                     25,
                     25},
        RoundEndCase{"blockedEqualPipsUnequalScores",
                     {{3, 3}},
                     {{2, 4}},
                     25,
                     40,
                     true,
                     ResultWindow::PlayerScoreTies,
                     25,
                     40}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, ResultWindowTextsForARoundThePlayerWins) {
    setUpTurn({2, 5}, {{7, 7}}, {{6, 6}, {0, 1}});
    s().PlayerScore = Variant::integer(40);
    engine.CheckForWin();
    ASSERT_EQ(window.resultWindows.size(), 1u);
    const auto& t = window.resultWindows[0];
    EXPECT_EQ(t.caption, "Ann, You Win this Round...");
    EXPECT_EQ(t.labels,
              (std::vector<std::string>{"Ann,  You Win this Round.",
                                        "The Computer's Dominos have a value of 13",
                                        "Your Score of 40 will be increased by 15 to 55"}));
    EXPECT_EQ(window.panels[1], "Ann's Score=55");
    EXPECT_EQ(s().RoundStartPlayerScore.toLong(), 55);
}

TEST_F(EngineTest, ResultWindowTextsForABlockedRoundTheComputerWins) {
    setUpTurn({2, 5}, {{6, 5}, {3, 3}}, {{1, 1}});
    s().ComputerScore = 30;
    s().PlayerCantPlay = Variant::boolean(true);
    s().ComputerCantPlay = True;
    engine.CheckForWin();
    const auto& t = window.resultWindows.at(0);
    EXPECT_EQ(t.caption, "Sorry, Ann,  The Computer Won this Round...");
    EXPECT_EQ(t.labels,
              (std::vector<std::string>{"Ann,  You Lost this Round...",
                                        "Your 2 Dominos have a value of 17.  The Computer",
                                        "had 1 Dominos with a value of 2.  The Computer's",
                                        "Score of 30 will be increased by 15 to 45."}));
}

TEST_F(EngineTest, TieCaptionsNameTheScoreOrThePips) {
    setUpTurn({2, 5}, {{3, 3}}, {{2, 4}});
    s().PlayerScore = Variant::integer(25);
    s().ComputerScore = 40;
    s().PlayerCantPlay = Variant::boolean(true);
    s().ComputerCantPlay = True;
    engine.CheckForWin();
    EXPECT_EQ(window.resultWindows.at(0).caption, "Ann, You and the Computer Tied with 6 Pips");
    EXPECT_TRUE(window.menus[Menu::SaveGame]);

    setUpTurn({2, 5}, {{3, 3}}, {{2, 4}});
    s().ComputerScore = 25;
    s().PlayerCantPlay = Variant::boolean(true);
    s().ComputerCantPlay = True;
    engine.CheckForWin();
    EXPECT_EQ(window.resultWindows.at(0).caption,
              "Ann, You and the Computer Tied with a Score of 25");
}

TEST_F(EngineTest, ReachingTheTargetMidRoundWinsTheGame) {
    setUpTurn({2, 5}, {{1, 0}}, {{3, 3}});
    s().PlayerScore = Variant::integer(203);
    s().GamesWon = Variant::integer(2);
    engine.CheckForWin();
    ASSERT_EQ(window.resultWindows.size(), 2u);
    EXPECT_EQ(window.resultWindows[0].window, ResultWindow::PlayerWinsRound);
    EXPECT_EQ(window.resultWindows[0].labels[2], "Your Score of 203 will be increased by 5 to 208");
    EXPECT_EQ(window.resultWindows[1].window, ResultWindow::Winner);
    EXPECT_EQ(s().GamesWon.toLong(), 3);
    EXPECT_EQ(window.gamesEnded, 1) << "the history hears of the game as it ends";
    EXPECT_EQ(s().PlayerScore.toLong(), 0);
    EXPECT_EQ(s().ComputerScore, 0);
    EXPECT_EQ(window.panels[3], "Games Won=3");
    EXPECT_EQ(window.panels[1], "");
}

// Both sides one count short of the target: the player's Set Domino wins the
// game there and then, before the computer can lay and pass him.
TEST_F(EngineTest, ASetDominoThatReachesTheTargetWinsTheGameAtOnce) {
    s().GameStatus = Phase::SetDomino;
    s().PlayerScore = Variant::integer(195);
    s().ComputerScore = 195;
    s().Playerdom = 2;
    s().PlayerArray(1, 1) = 1;
    s().PlayerArray(1, 2) = 3;
    s().PlayerArray(2, 1) = 4;
    s().PlayerArray(2, 2) = 1;
    s().ComputerDom = 1;
    s().ComputerArray(1, 1) = 6;
    s().ComputerArray(1, 2) = 6;
    clickHand(2);
    ASSERT_EQ(window.resultWindows.size(), 2u);
    EXPECT_EQ(window.resultWindows[0].window, ResultWindow::PlayerWinsRound);
    EXPECT_EQ(window.resultWindows[1].window, ResultWindow::Winner);
    EXPECT_EQ(computer.turnCalls, 0);
    ASSERT_FALSE(engine.scoreSheet().entries().empty());
    const auto* won = std::get_if<GameWon>(&engine.scoreSheet().entries().back());
    ASSERT_NE(won, nullptr);
    EXPECT_EQ(won->winner, Seat::Player);
    EXPECT_EQ(won->playerTotal, 200 + 10);
}

TEST_F(EngineTest, LosingTheGameCountsItAndTheWinnerStartsNext) {
    setUpTurn({2, 5}, {{6, 6}}, {{7, 7}});
    s().ComputerScore = 195;
    s().WinnerReStartsGame = True;
    engine.CheckForWin();
    ASSERT_EQ(window.resultWindows.size(), 2u);
    EXPECT_EQ(window.resultWindows[1].window, ResultWindow::Loser);
    EXPECT_EQ(s().GamesLost, 1);
    EXPECT_EQ(window.gamesEnded, 1);
    EXPECT_EQ(window.panels[4], "Games Lost=1");
    EXPECT_EQ(computer.selectCalls, 1);
    EXPECT_LT(s().plae, s().clae);
}

TEST_F(EngineTest, NextRoundStarterFollowsTheWinnerWhenChosen) {
    setUpTurn({2, 5}, {{7, 7}}, {{6, 6}});
    s().WinnerReStartsGame = True;
    engine.CheckForWin();
    EXPECT_EQ(s().GameStatus, Phase::DrawingSeven);
    EXPECT_GT(s().plae, s().clae);
    EXPECT_EQ(s().Playerdom, 0);
    EXPECT_EQ(window.message, "Ann, Click on 7 Dominos from the BoneYard..");
}

TEST_F(EngineTest, NoRoundEndDropsOneTrailingEmptySlotAndEnablesMenus) {
    setUpTurn({2, 5}, {{1, 2}, {7, 7}, {7, 7}});
    engine.CheckForWin();
    EXPECT_TRUE(window.resultWindows.empty());
    EXPECT_EQ(s().Playerdom, 2);
    EXPECT_TRUE(window.menus[Menu::SaveGame]);
}

} // namespace
} // namespace pipwright::testing
