#include "DealtHand.h"
#include "computer/ComputerPlayer.h"
#include "game/Engine.h"
#include "tests/support/FakeWindow.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>

namespace pipwright {
namespace {

using Dominoes = std::initializer_list<std::pair<int, int>>;

class ComputerTurn : public ::testing::Test {
protected:
    FakeWindow window;
    ScriptedRandom random;
    Engine engine{window, random};
    ComputerPlayer computer{engine};
    GameState& s = engine.state();

    void SetUp() override {
        engine.setComputer(&computer);
        engine.Form_Load(Metrics{});
        s.PlayerName = "Tester";
        s.PlayerScore = Variant::integer(0);
        for (int k = 1; k <= SetSize; ++k)
            s.BoneYardArray(k, 1) = s.BoneYardArray(k, 2) = NoHalf;
        window.clearHistory();
    }

    void computerHolds(Dominoes d) { s.ComputerDom = dealHand(s.ComputerArray, d); }
    void playerHolds(Dominoes d) { s.Playerdom = dealHand(s.PlayerArray, d); }
    void boneYard(int slot, int a, int b) {
        s.BoneYardArray(slot, 1) = static_cast<Integer>(a);
        s.BoneYardArray(slot, 2) = static_cast<Integer>(b);
    }

    // The line holds only the Set Domino a-b: a open on the left, b on the right.
    void setDomino(int a, int b) {
        s.startLine(a, b);
        engine.TheSetDomino();
    }

    void computersTurn() {
        s.GameStatus = Phase::ComputersTurn;
        computer.GameStatus4();
    }

    bool painted(Picture picture, const Rect& rect, Fill fill) const {
        for (const auto& box : window.boxes)
            if (box.picture == picture && box.rect == rect && box.fill == fill)
                return true;
        return false;
    }
    Rect computerSlot(int slot) const {
        return computerSquare(slot, engine.metrics().computerLabelHeight);
    }
};

TEST_F(ComputerTurn, LaysAndHandsTheTurnBack) {
    s.PlayLevel = True;
    setDomino(0, 5);
    computerHolds({{2, 2}, {6, 6}, {5, 5}});
    playerHolds({{3, 4}});
    window.timerBox = true;
    window.timer1 = true;
    bool timerRanDuringTurn = false;
    window.onPause = [&](double) { timerRanDuringTurn |= window.timer1; };
    computersTurn();

    EXPECT_FALSE(timerRanDuringTurn);
    EXPECT_TRUE(window.timer1);
    EXPECT_EQ(s.DominoRight, 2);
    EXPECT_EQ(s.GameRightArray(2, Arm::Inner), 5);
    EXPECT_EQ(s.ComputerArray(3, 1), NoHalf);
    EXPECT_EQ(s.ComputerDom, 2);
    EXPECT_EQ(s.ComputerScore, 10);
    EXPECT_EQ(window.computerPlayed, "5-5");
    EXPECT_EQ(s.GameStatus, Phase::PlayersTurn);
    EXPECT_EQ(window.message, "Tester, Click the Left Mouse on one of your Domios");
    EXPECT_EQ(window.messages.front(), "Tester, The Computer is Thinking..");
    EXPECT_FALSE(window.busyPointer);
}

// However often a turn switches the menus off and on between its pauses, the
// player finds them off in every pause and on again when the turn is over.
TEST_F(ComputerTurn, MenusAreOffInEveryPauseOfTheTurn) {
    const Menu killed[] = {Menu::Author, Menu::GameConditions, Menu::GameHistory, Menu::SaveGame,
                           Menu::RestartTheGame};
    setDomino(0, 5);
    computerHolds({{2, 2}, {5, 5}});
    playerHolds({{3, 4}});
    s.GameStatus = Phase::PlayersTurn;
    ASSERT_TRUE(window.menus[Menu::SaveGame]);
    int pauses = 0;
    window.onPause = [&](double) {
        ++pauses;
        for (Menu m : killed)
            EXPECT_FALSE(window.menus[m]) << "pause " << pauses;
    };
    engine.ComPlayerCantPlay_Click();

    EXPECT_GT(pauses, 0);
    EXPECT_EQ(s.GameStatus, Phase::PlayersTurn);
    EXPECT_EQ(s.ComputerDom, 1);
    for (Menu m : killed)
        EXPECT_TRUE(window.menus[m]);
    EXPECT_TRUE(window.menus[Menu::OpenGame]);
}

TEST_F(ComputerTurn, DrawsIntoTheFirstEmptySlotUntilOneFits) {
    setDomino(1, 2);
    computerHolds({{7, 7}, {6, 6}, {6, 5}});
    playerHolds({{3, 4}});
    boneYard(10, 4, 4);
    boneYard(20, 2, 3);
    random.pushDraw(10, SetSize);
    random.pushDraw(20, SetSize);
    computersTurn();

    EXPECT_EQ(s.ComputerArray(1, 1), 4);
    EXPECT_EQ(s.ComputerArray(1, 2), 4);
    EXPECT_TRUE(painted(Picture::Computers, computerSlot(1), Fill::Foreground));
    EXPECT_TRUE(painted(Picture::Computers, computerSlot(4), Fill::Foreground));
    EXPECT_TRUE(painted(Picture::BoneYard, boneYardSquare(10, s.BoneYardTop), Fill::Background));
    EXPECT_EQ(s.BoneYardArray(10, 1), NoHalf);
    EXPECT_EQ(s.BoneYardArray(20, 1), NoHalf);
    // 2-3 went into a new fourth slot and was laid on the right with 3 open.
    EXPECT_EQ(s.DominoRight, 2);
    EXPECT_EQ(s.GameRightArray(2, Arm::Outer), 3);
    EXPECT_EQ(s.ComputerDom, 3);
    EXPECT_EQ(s.GameStatus, Phase::PlayersTurn);
}

TEST_F(ComputerTurn, EighteenDominosRefuseTheDraw) {
    setDomino(0, 0);
    computerHolds({{1, 1},
                   {1, 2},
                   {1, 3},
                   {1, 4},
                   {1, 5},
                   {1, 6},
                   {2, 2},
                   {2, 3},
                   {2, 4},
                   {2, 5},
                   {2, 6},
                   {3, 3},
                   {3, 4},
                   {3, 5},
                   {3, 6},
                   {4, 4},
                   {4, 5},
                   {4, 6}});
    playerHolds({{0, 1}});
    boneYard(28, 6, 6);
    window.timerBox = true;
    computersTurn();

    ASSERT_EQ(window.messageBoxes.size(), 1u);
    EXPECT_EQ(window.messageBoxes[0].first, "The Computer Exceeded 18 Dominos..");
    EXPECT_EQ(window.messageBoxes[0].second,
              "Tester\r\rThe Computer has exceeded the mazimum of 18\r"
              "Dominos and does not have one equal to either\r"
              "of the two target Dominos on the Screen.  It is now\r"
              "your turn to Play...\r");
    EXPECT_EQ(s.ComputerDom, 18);
    EXPECT_EQ(s.BoneYardArray(28, 1), 6);
    EXPECT_EQ(window.boxes.back().picture, Picture::BoneYard);
    EXPECT_EQ(window.boxes.back().fill, Fill::Foreground);
    EXPECT_EQ(window.boxes.back().rect, boneYardSquare(28, s.BoneYardTop));
    EXPECT_EQ(s.GameStatus, Phase::PlayersTurn);
    EXPECT_TRUE(window.timer1);
    EXPECT_FALSE(window.busyPointer);
}

TEST_F(ComputerTurn, EmptyBoneYardMeansCantPlay) {
    setDomino(0, 1);
    // Two empty slots at the end: the turn drops only the last one.
    computerHolds({{2, 3}, {4, 4}, {5, 6}, {7, 7}, {7, 7}});
    playerHolds({{0, 2}});
    window.timerBox = true;
    computersTurn();

    EXPECT_EQ(s.ComputerDom, 4);
    EXPECT_TRUE(window.timer1) << "the player can still play";
    EXPECT_EQ(s.ComputerCantPlay, True);
    EXPECT_EQ(window.messages.back(), "Tester, It's Your Turn, The Computer Can't Play..");
    EXPECT_EQ(s.GameStatus, Phase::PlayersTurn);
    for (const auto& box : window.boxes)
        EXPECT_NE(box.picture, Picture::BoneYard);
}

TEST_F(ComputerTurn, LastDominoEndsTheRoundWithoutThePrompt) {
    setDomino(3, 4);
    computerHolds({{7, 7}, {4, 6}});
    playerHolds({{1, 2}, {5, 5}});
    int results = 0;
    window.onResultWindow = [&](ResultWindow shown) {
        ++results;
        EXPECT_EQ(shown, ResultWindow::ComputerWinsRound);
    };
    computersTurn();

    EXPECT_EQ(results, 1);
    EXPECT_TRUE(s.GameStatus == Phase::DrawForFirstPlay || s.GameStatus == Phase::DrawingSeven);
    for (const auto& m : window.messages)
        EXPECT_EQ(m.find("Click the Left Mouse"), std::string::npos) << m;
}

// The play timer runs only in the player's turn: an answered "Can't Play"
// restarts it, but a round that ends blocked does not carry it into the next.
TEST_F(ComputerTurn, PlayTimerAfterCantPlayRunsOnlyIfTheRoundGoesOn) {
    for (const bool computerCanPlay : {true, false}) {
        setDomino(0, 0);
        computerHolds(computerCanPlay ? Dominoes{{0, 4}, {6, 6}} : Dominoes{{5, 6}});
        playerHolds({{5, 5}});
        window.timerBox = true;
        window.timer1 = false;
        s.ComputerCantPlay = False;
        s.GameStatus = Phase::PlayersTurn;
        engine.ComPlayerCantPlay_Click();
        EXPECT_EQ(window.timer1, computerCanPlay);
    }
}

TEST_F(ComputerTurn, SelectsSevenSkippingTakenSquares) {
    for (int k = 1; k <= SetSize; ++k)
        boneYard(k, (k - 1) / 7, (k - 1) % 7);
    for (int k = 1; k <= 5; ++k)
        boneYard(k, NoHalf, NoHalf);
    for (int k : {1, 6, 2, 7, 8, 5, 9, 10, 11, 12})
        random.pushDraw(k, SetSize);
    s.plae = Variant::integer(3);
    s.clae = 5;
    s.ComputerDom = 7;
    computer.ComputerSelects7Dominos();

    for (int slot = 1; slot <= 7; ++slot) {
        const int k = slot + 5;
        EXPECT_EQ(s.ComputerArray(slot, 1), (k - 1) / 7) << slot;
        EXPECT_EQ(s.ComputerArray(slot, 2), (k - 1) % 7) << slot;
        EXPECT_EQ(s.BoneYardArray(k, 1), NoHalf) << slot;
    }
    EXPECT_EQ(random.pending(), 0u);
    EXPECT_EQ(s.ComputerHasSeven, True);
    EXPECT_EQ(s.GameStatus, Phase::DrawingSeven);
    const std::vector<std::string> expected{
        "The Computer will Select 7 Dominos from the BoneYard",
        "The Computer will Draw 6 more Dominos from the BoneYard",
        "The Computer will Draw 5 more Dominos from the BoneYard",
        "The Computer will Draw 4 more Dominos from the BoneYard",
        "The Computer will Draw 3 more Dominos from the BoneYard",
        "The Computer will Draw 2 more Dominos from the BoneYard",
        "The Computer will Draw 1 more Domino from the BoneYard",
        "",
        "Tester, Click on 7 Dominos in the BoneYard..",
    };
    EXPECT_EQ(window.messages, expected);
}

TEST_F(ComputerTurn, SetDominoAtRandomCanBeTheLastSlot) {
    computerHolds({{1, 2}, {1, 3}, {2, 4}, {3, 6}, {1, 6}, {0, 1}, {2, 5}});
    playerHolds({{1, 4}, {2, 3}, {6, 5}, {0, 2}, {0, 3}, {0, 4}, {0, 5}});
    random.pushDraw(7, 7);
    s.GameStatus = Phase::SetDomino;
    computer.ComputerSetDomino();

    EXPECT_EQ(s.Zombie, 7);
    EXPECT_EQ(s.gameleftarray(1, Arm::Inner), Variant::integer(5));
    EXPECT_EQ(s.gameleftarray(1, Arm::Outer), Variant::integer(2));
    EXPECT_EQ(s.GameRightArray(1, Arm::Inner), 2);
    EXPECT_EQ(s.GameRightArray(1, Arm::Outer), 5);
    EXPECT_EQ(s.ComputerDom, 6);
    EXPECT_EQ(s.ComputerScore, 0);
    EXPECT_EQ(window.computerPlayed, "2-5");
    EXPECT_EQ(s.GameStatus, Phase::PlayersTurn);
    EXPECT_EQ(window.message, "Tester, Click the Left Mouse on one of your Dominos..");
}

} // namespace
} // namespace pipwright
