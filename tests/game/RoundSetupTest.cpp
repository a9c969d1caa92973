#include "game/Invariants.h"
#include "tests/game/EngineFixture.h"

namespace pipwright::testing {
namespace {

int total(const GameState& s, int slot) {
    return s.BoneYardArray(slot, 1) + s.BoneYardArray(slot, 2);
}

// Two BoneYard slots whose dominoes tie (or not) in the draw for first play.
std::pair<int, int> slotsWith(const GameState& s, bool tie) {
    for (int i = 1; i <= SetSize; ++i)
        for (int j = 1; j <= SetSize; ++j)
            if (i != j && (total(s, i) == total(s, j)) == tie && (tie || total(s, i) > total(s, j)))
                return {i, j};
    return {0, 0};
}

TEST_F(EngineTest, StartsWithAFullBoneYardAndTheWhoPlaysFirstPrompt) {
    EXPECT_EQ(s().faceDownCount(), 28);
    EXPECT_EQ(s().GameStatus, Phase::DrawForFirstPlay);
    EXPECT_EQ(window.message, "Ann, Click on any Domino in the BoneYard to see who Plays First..");
    EXPECT_EQ(window.playerCaption, "Ann's Dominos");
    EXPECT_FALSE(window.menus[Menu::SaveGame]);
    EXPECT_TRUE(s().gameleftarray(1, 2).isEmpty());
}

// A new round empties every entry of the left arm, however long the arm grew,
// whatever kinds its cells hold, and after an erased entry (a game opened from
// a file saved after a tie).
TEST_F(EngineTest, ANewRoundEmptiesTheWholeLeftArm) {
    for (auto [first, rows] : {std::pair{1, 1}, {1, 5}, {1, SetSize}, {2, 4}}) {
        for (int row = first; row <= rows; ++row)
            for (int col = 1; col <= 9; ++col)
                s().gameleftarray(row, col) =
                    col == 9 ? Variant::string("x") : Variant::whole(row * 10 + col);
        engine.GameStart();
        for (int row = 1; row <= SetSize; ++row)
            for (int col = 1; col <= 9; ++col)
                ASSERT_TRUE(s().gameleftarray(row, col).isEmpty())
                    << rows << " rows, entry " << row << ", column " << col;
    }
}

TEST_F(EngineTest, ATiedDrawLeavesTwentySixSquaresAndAsksAgain) {
    auto [mine, theirs] = slotsWith(s(), true);
    random.pushDraw(theirs, 28);
    clickBoneYard(mine);
    EXPECT_EQ(s().GameStatus, Phase::DrawForFirstPlay);
    EXPECT_EQ(s().faceDownCount(), 26);
    EXPECT_EQ(s().Playerdom, 0);
    EXPECT_EQ(window.message, "Ann, Click on any Domino in the BoneYard to see who Plays First..");
    EXPECT_NE(std::find(window.messages.begin(), window.messages.end(),
                        "Ann, You Tied with the Computer, Reselect another Domino"),
              window.messages.end());
    EXPECT_FALSE(window.selectionLabels[SelectionLabel::Player].visible);
    EXPECT_TRUE(checkInvariants(s()).empty());

    // The tied squares stay blank: clicking one does nothing.
    clickBoneYard(mine);
    EXPECT_EQ(s().faceDownCount(), 26);
}

TEST_F(EngineTest, WinningTheDrawStartsTheDealWithAFreshBoneYard) {
    auto [mine, theirs] = slotsWith(s(), false);
    const int myTotal = total(s(), mine);
    random.pushDraw(theirs, 28);
    std::string label;
    window.onPause = [&](double) {
        if (window.selectionLabels[SelectionLabel::Player].visible)
            label = window.selectionLabels[SelectionLabel::Player].text;
    };
    clickBoneYard(mine);
    EXPECT_EQ(label, "Ann's Score is " + std::to_string(myTotal));
    EXPECT_EQ(s().GameStatus, Phase::DrawingSeven);
    EXPECT_EQ(s().faceDownCount(), 28);
    EXPECT_EQ(window.message, "Ann, Click on 7 Dominos in the BoneYard..");
    EXPECT_EQ(computer.selectCalls, 0);
}

TEST_F(EngineTest, LosingTheDrawLetsTheComputerDrawFirst) {
    auto [theirs, mine] = slotsWith(s(), false);
    random.pushDraw(theirs, 28);
    clickBoneYard(mine);
    EXPECT_EQ(computer.selectCalls, 1);
    EXPECT_LT(s().plae, s().clae);
}

// Drawing seven: the messages count down, and the seventh click lets the
// computer draw and moves on to the Set Domino in the same click.
TEST_F(EngineTest, PlayerStartedSeventhClickDealsTheComputerAndAsksForTheSetDomino) {
    s().plae = Variant::integer(5);
    s().clae = 3;
    s().GameStatus = Phase::DrawingSeven;
    const std::vector<std::string> expected = {
        "Ann, Click on 6 more Dominos in the BoneYard..",
        "Ann, Click on 5 more Dominos in the BoneYard..",
        "Ann, Click on 4 more Dominos in the BoneYard..",
        "Ann, Click on 3 more Dominos in the BoneYard..",
        "Ann, Click on 2 more Dominos in the BoneYard..",
        "Ann, Click on 1 more Domino in the BoneYard..",
    };
    for (int i = 1; i <= 6; ++i) {
        clickBoneYard(i);
        EXPECT_EQ(window.message, expected[i - 1]);
    }
    clickBoneYard(7);
    EXPECT_EQ(computer.selectCalls, 1);
    EXPECT_EQ(s().GameStatus, Phase::SetDomino);
    EXPECT_EQ(window.message, "Ann, Click on any Domino you wish to be played as the Set Domino..");
    EXPECT_TRUE(checkInvariants(s()).empty());
}

// A press on the very edge of a face-down square still takes it: the edges
// are painted like the rest.
TEST_F(EngineTest, BoneYardSquaresAreTakenUpToTheirEdges) {
    s().plae = Variant::integer(5);
    s().clae = 3;
    s().GameStatus = Phase::DrawingSeven;
    const auto edges = {std::pair{0, 0}, std::pair{250, 250}, std::pair{0, 250}, std::pair{250, 0}};
    int slot = 0;
    for (auto [dx, dy] : edges) {
        const Rect r = boneYardSquare(++slot, s().BoneYardTop);
        engine.BoneYardPic_MouseDown(r.left + dx, r.top + dy);
        engine.BoneYardPic_Click();
        EXPECT_EQ(s().BoneYardArray(slot, 1), NoHalf) << dx << "," << dy;
    }
}

TEST_F(EngineTest, ComputerStartedSeventhClickLetsTheComputerSet) {
    s().plae = Variant::integer(3);
    s().clae = 5;
    s().GameStatus = Phase::DrawingSeven;
    clickBoneYard(1); // the computer draws first
    EXPECT_EQ(computer.selectCalls, 1);
    EXPECT_EQ(s().Playerdom, 0);
    for (int slot = 8; slot <= 14; ++slot)
        clickBoneYard(slot);
    EXPECT_EQ(s().Playerdom, 7);
    EXPECT_EQ(computer.setDominoCalls, 1);
    EXPECT_NE(std::find(window.messages.begin(), window.messages.end(),
                        "The Computer will now select a Domino to be used as the Set Domino.."),
              window.messages.end());
}

TEST_F(EngineTest, ClicksDuringAPauseAreIgnoredAndMenuChoicesWait) {
    auto [mine, theirs] = slotsWith(s(), false);
    random.pushDraw(theirs, 28);
    int restartsDuringFlow = 0;
    window.onPause = [&](double) {
        clickBoneYard(20);
        clickHand(1);
        engine.ComPlayerCantPlay_Click();
        engine.mnuRestartTheGame_Click();
        restartsDuringFlow += s().GameStatus == Phase::DrawForFirstPlay;
    };
    clickBoneYard(mine);
    window.onPause = nullptr;
    EXPECT_EQ(restartsDuringFlow, 0);
    // The restarts ran after the draw had finished.
    EXPECT_EQ(s().GameStatus, Phase::DrawForFirstPlay);
    EXPECT_EQ(s().faceDownCount(), 28);
    EXPECT_EQ(s().Playerdom, 1);
}

struct RestartCase {
    bool roundOnly;
    bool winnerRestarts;
    int expectedPlayer;
    int expectedComputer;
    Integer expectedPhase;
    const char* message;
};

void PrintTo(const RestartCase& c, std::ostream* out) {
    *out << (c.roundOnly ? "round" : "game") << (c.winnerRestarts ? ", winner starts" : "");
}

class RestartTest : public EngineTest, public ::testing::WithParamInterface<RestartCase> {};

TEST_P(RestartTest, RestoresScoresAndStarter) {
    const RestartCase c = GetParam();
    setUpTurn({2, 3}, {{1, 1}});
    s().PlayerScore = Variant::integer(60);
    s().ComputerScore = 45;
    s().RoundStartPlayerScore = Variant::integer(30);
    s().RoundStartComputerScore = 20;
    s().WinnerReStartsGame = c.winnerRestarts ? True : False;
    s().plae = Variant::integer(5);
    s().clae = 3;
    if (c.roundOnly)
        engine.mnuRestartTheRound_Click();
    else
        engine.mnuRestartTheGame_Click();
    EXPECT_EQ(s().PlayerScore.toLong(), c.expectedPlayer);
    EXPECT_EQ(s().ComputerScore, c.expectedComputer);
    EXPECT_EQ(s().GameStatus, c.expectedPhase);
    EXPECT_EQ(window.message, c.message);
    EXPECT_EQ(s().RestartRoundOnly, False);
    EXPECT_EQ(s().faceDownCount(), 28);
    EXPECT_EQ(s().PlayerArray(1, 1), NoHalf); // the old hand's first domino is gone
    if (c.roundOnly)
        EXPECT_EQ(window.panels[1], "Ann' Score=30");
    else
        EXPECT_EQ(window.panels[1], "");
}

INSTANTIATE_TEST_SUITE_P(
    Restarts, RestartTest,
    ::testing::Values(
        RestartCase{true, false, 30, 20, Phase::DrawForFirstPlay,
                    "Ann, Click on any Domino in the BoneYard to see who Plays First.."},
        RestartCase{false, false, 0, 0, Phase::DrawForFirstPlay,
                    "Ann, Click on any Domino in the BoneYard to see who Plays First.."},
        RestartCase{false, true, 0, 0, Phase::DrawingSeven,
                    "Ann, Click on 7 Dominos from the BoneYard.."}));

TEST_F(EngineTest, RestartWithWinnerStartsBeforeAnyStarterBeginsTheDraw) {
    s().WinnerReStartsGame = True;
    s().plae = Variant();
    s().clae = 0;
    engine.mnuRestartTheGame_Click();
    EXPECT_EQ(s().GameStatus, Phase::DrawForFirstPlay);
    EXPECT_EQ(window.message, "Ann, Click on any Domino in the BoneYard to see who Plays First..");
    EXPECT_EQ(computer.selectCalls, 0);
}

TEST_F(EngineTest, RestartWithTheComputerAsStarterLetsItDraw) {
    s().WinnerReStartsGame = True;
    s().plae = Variant::integer(3);
    s().clae = 5;
    engine.mnuRestartTheGame_Click();
    EXPECT_EQ(computer.selectCalls, 1);
    EXPECT_NE(std::find(window.messages.begin(), window.messages.end(),
                        "Ann, The Computer will Draw 7 Dominos from the BoneYard.."),
              window.messages.end());
}

TEST_F(EngineTest, ActivationClearsTheRoundFlags) {
    s().PlayerCantPlay = Variant::boolean(true);
    s().ComputerCantPlay = True;
    s().PlayerHasSeven = Variant::boolean(true);
    s().ComputerHasSeven = True;
    s().AuthorShown = 1;
    window.playerCaption = "kept";
    engine.Form_Activate();
    EXPECT_TRUE(s().PlayerCantPlay.isEmpty());
    EXPECT_EQ(s().ComputerCantPlay, False);
    EXPECT_TRUE(s().PlayerHasSeven.isEmpty());
    EXPECT_EQ(s().ComputerHasSeven, False);
    EXPECT_EQ(window.playerCaption, "kept");
}

// With the winner starting, the computer has drawn its seven when a modal
// window closes: the mark stays, so the next click is the player's draw and
// the computer's seven is not drawn again over the same slots.
TEST_F(EngineTest, ActivationWhileDealingKeepsTheSevenTheComputerHolds) {
    s().WinnerReStartsGame = True;
    s().plae = Variant::integer(3);
    s().clae = 5;
    engine.mnuRestartTheGame_Click();
    engine.Form_Activate();
    EXPECT_EQ(s().ComputerHasSeven, True);
    clickBoneYard(SetSize);
    EXPECT_EQ(computer.selectCalls, 1);
    EXPECT_EQ(s().Playerdom, 1);
    EXPECT_TRUE(checkInvariants(s()).empty());
}

} // namespace
} // namespace pipwright::testing
