#include "tests/game/EngineFixture.h"

namespace pipwright::testing {
namespace {

struct LayCase {
    const char* name;
    std::pair<int, int> setDomino;
    std::pair<int, int> domino;
    bool clickLeft;
    bool laidLeft;
    int inner, outer;
};

void PrintTo(const LayCase& c, std::ostream* out) {
    *out << c.name;
}

class LayTest : public EngineTest, public ::testing::WithParamInterface<LayCase> {};

TEST_P(LayTest, LaysTheSelectionOnTheClickedEnd) {
    const LayCase c = GetParam();
    setUpTurn(c.setDomino, {{0, 0}, c.domino});
    clickHand(2);
    EXPECT_EQ(window.message, "Ann, Click on the corresponding Domino in the Play Field..");
    clickEnd(c.clickLeft);
    if (c.laidLeft) {
        ASSERT_EQ(s().Dominoleft.toLong(), 2);
        EXPECT_EQ(s().gameleftarray(2, 2).toLong(), c.inner);
        EXPECT_EQ(s().gameleftarray(2, 3).toLong(), c.outer);
        EXPECT_EQ(s().DominoRight, 1);
    } else {
        ASSERT_EQ(s().DominoRight, 2);
        EXPECT_EQ(s().GameRightArray(2, 2), c.inner);
        EXPECT_EQ(s().GameRightArray(2, 3), c.outer);
        EXPECT_EQ(s().Dominoleft.toLong(), 1);
    }
    EXPECT_EQ(s().PlayerArray(2, 1), NoHalf);
    EXPECT_EQ(window.playerPlayed,
              std::to_string(c.domino.first) + "-" + std::to_string(c.domino.second));
    EXPECT_EQ(computer.turnCalls, 1);
    EXPECT_EQ(s().GameStatus, Phase::PlayersTurn);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, LayTest,
    ::testing::Values(LayCase{"firstHalfLeft", {2, 5}, {2, 4}, true, true, 2, 4},
                      LayCase{"secondHalfLeft", {2, 5}, {4, 2}, true, true, 2, 4},
                      LayCase{"firstHalfRight", {2, 5}, {5, 1}, false, false, 5, 1},
                      LayCase{"secondHalfRight", {2, 5}, {1, 5}, false, false, 5, 1},
                      LayCase{"double", {2, 5}, {5, 5}, false, false, 5, 5},
                      // Both ends are the Set Domino: the left is tried first.
                      LayCase{"matchesBothEnds", {2, 5}, {2, 5}, true, true, 2, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, AWrongSelectionKeepsTheSelection) {
    setUpTurn({2, 5}, {{3, 4}, {5, 6}});
    clickHand(1);
    clickEnd(true);
    EXPECT_EQ(window.message, "Ann, Wrong Selection....");
    EXPECT_EQ(s().PlayerClicked.toLong(), 1);
    EXPECT_EQ(s().DominoRight, 1);
    clickHand(2);
    clickEnd(false);
    EXPECT_EQ(s().DominoRight, 2);
}

// Whatever comes between, even a draw into the slot after the hand.
TEST_F(EngineTest, AMissedSelectionMakesTheFieldClickAWrongSelection) {
    for (const bool drawBetween : {false, true}) {
        setUpTurn({2, 5}, {{3, 3}});
        s().BoneYardArray(4, 1) = 2;
        s().BoneYardArray(4, 2) = 4;
        clickHand(2);
        if (drawBetween) {
            clickBoneYard(4);
            ASSERT_EQ(s().Playerdom, 2);
        }
        clickEnd(true);
        EXPECT_EQ(window.message, "Ann, Wrong Selection....") << drawBetween;
        EXPECT_EQ(s().Dominoleft.toLong(), 1) << drawBetween;
    }
}

TEST_F(EngineTest, ThePlayersSetDominoStartsBothArmsAndScores) {
    s().GameStatus = Phase::SetDomino;
    s().Playerdom = 2;
    s().PlayerArray(1, 1) = 1;
    s().PlayerArray(1, 2) = 3;
    s().PlayerArray(2, 1) = 6;
    s().PlayerArray(2, 2) = 4;
    clickHand(2);
    EXPECT_EQ(s().gameleftarray(1, 2).toLong(), 4);
    EXPECT_EQ(s().gameleftarray(1, 3).toLong(), 6);
    EXPECT_EQ(s().GameRightArray(1, 2), 6);
    EXPECT_EQ(s().GameRightArray(1, 3), 4);
    EXPECT_EQ(s().PlayerScore.toLong(), 10);
    EXPECT_EQ(window.panels[1], "Ann's Score=10");
    EXPECT_EQ(window.playerPlayed, "6-4");
    EXPECT_EQ(s().PlayerArray(2, 1), NoHalf);
    EXPECT_EQ(computer.turnCalls, 1);
}

TEST_F(EngineTest, ASetDominoClickThatHitsNothingIsIgnored) {
    s().GameStatus = Phase::SetDomino;
    s().Playerdom = 7;
    engine.PlayersPic_MouseDown(handSlotLeft(1) + 320, s().PlayerHandTop + 100); // the gap
    engine.PlayersPic_Click();
    EXPECT_EQ(s().GameStatus, Phase::SetDomino);
    EXPECT_EQ(computer.turnCalls, 0);
}

TEST_F(EngineTest, DrawingIsRefusedWhileADominoFits) {
    setUpTurn({2, 5}, {{5, 3}});
    clickBoneYard(1);
    EXPECT_EQ(s().Playerdom, 1);
    EXPECT_NE(s().BoneYardArray(1, 1), NoHalf);
}

TEST_F(EngineTest, ADrawRefillsTheFirstEmptySlot) {
    setUpTurn({6, 6}, {{1, 1}, {7, 7}, {2, 2}});
    s().BoneYardArray(4, 1) = 0;
    s().BoneYardArray(4, 2) = 3;
    clickBoneYard(4);
    EXPECT_EQ(s().Playerdom, 3);
    EXPECT_EQ(s().PlayerArray(2, 1), 0);
    EXPECT_EQ(s().PlayerArray(2, 2), 3);
    EXPECT_EQ(s().BoneYardArray(4, 1), NoHalf);
    ASSERT_FALSE(window.halves.empty());
    EXPECT_EQ(window.halves.back().x, handSlotLeft(2));
}

TEST_F(EngineTest, TheNineteenthDominoIsRefusedAndTheComputerPlays) {
    setUpTurn({6, 6}, {});
    s().Playerdom = 18;
    for (int i = 1; i <= 18; ++i) {
        s().PlayerArray(i, 1) = 0;
        s().PlayerArray(i, 2) = 1;
    }
    const Integer before = s().BoneYardArray(3, 1);
    clickBoneYard(3);
    EXPECT_EQ(s().Playerdom, 18);
    EXPECT_EQ(s().BoneYardArray(3, 1), before);
    ASSERT_EQ(window.messageBoxes.size(), 1u);
    EXPECT_EQ(window.messageBoxes[0].first, "You are only allowed 18 Dominos");
    EXPECT_EQ(window.messageBoxes[0].second,
              "Ann\r\rYou have exceeded the maximum of 18\rDominos.  It is now the Computer's\r"
              "turn to Play...\r");
    EXPECT_EQ(window.boxes.back().fill, Fill::Foreground);
    EXPECT_EQ(computer.turnCalls, 1);
    EXPECT_EQ(s().GameStatus, Phase::PlayersTurn);
}

TEST_F(EngineTest, CantPlayIsRefusedWhileADominoFitsOrTheBoneYardHoldsOne) {
    setUpTurn({2, 5}, {{1, 1}});
    s().BoneYardArray.fill(NoHalf);
    s().BoneYardArray(9, 1) = 3;
    s().BoneYardArray(9, 2) = 4;
    engine.ComPlayerCantPlay_Click();
    EXPECT_EQ(computer.turnCalls, 0);
    EXPECT_FALSE(s().PlayerCantPlay == True);

    s().BoneYardArray(9, 1) = NoHalf;
    s().BoneYardArray(9, 2) = NoHalf;
    s().PlayerArray(1, 1) = 5;
    engine.ComPlayerCantPlay_Click();
    EXPECT_EQ(computer.turnCalls, 0);

    s().PlayerArray(1, 1) = 1;
    engine.ComPlayerCantPlay_Click();
    EXPECT_EQ(computer.turnCalls, 1);
    EXPECT_TRUE(s().PlayerCantPlay == True);
}

// A pass holds only until the player lays again: otherwise the computer's
// next pass would end the round as blocked while the player can still move.
TEST_F(EngineTest, LayingClearsAnEarlierPass) {
    setUpTurn({2, 5}, {{2, 3}, {4, 4}}, {{1, 1}, {6, 6}});
    s().BoneYardArray.fill(NoHalf);
    s().PlayerCantPlay = Variant::boolean(true);
    clickHand(1);
    clickEnd(true);
    EXPECT_FALSE(s().PlayerCantPlay == True);
}

TEST_F(EngineTest, BothPassesEndTheRoundAsBlocked) {
    setUpTurn({2, 5}, {{1, 1}}, {{6, 6}});
    s().BoneYardArray.fill(NoHalf);
    s().ComputerCantPlay = True;
    engine.ComPlayerCantPlay_Click();
    EXPECT_EQ(computer.turnCalls, 0);
    ASSERT_EQ(window.resultWindows.size(), 1u);
    EXPECT_EQ(window.resultWindows[0].window, ResultWindow::PlayerScoreWins);
    EXPECT_EQ(s().PlayerScore.toLong(), 10);
}

} // namespace
} // namespace pipwright::testing
