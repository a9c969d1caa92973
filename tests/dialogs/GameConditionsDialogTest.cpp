#include "ui/dialogs/GameConditionsDialog.h"

#include "game/GameState.h"
#include "tests/dialogs/ModalProbe.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace pipwright {
namespace {

using test::whenModalShows;

class GameConditionsTest : public testing::Test {
protected:
    GameConditionsTest() {
        state.PlayerName = "Abcdefgh";
        dialog = std::make_unique<GameConditionsDialog>(state, timer1, nullptr);
    }

    QCheckBox* box(const char* name) const { return dialog->findChild<QCheckBox*>(name); }
    QSlider* slider() const { return dialog->findChild<QSlider*>("Slider1"); }
    QString panelText() const { return dialog->findChild<QLabel*>("LblTimeToPlay")->text(); }
    void startTimerRunning(int ms) {
        timer1.setInterval(ms);
        timer1.start();
    }

    GameState state;
    QTimer timer1;
    std::unique_ptr<GameConditionsDialog> dialog;
};

TEST_F(GameConditionsTest, StartsWithTheDefaultOfEachPair) {
    EXPECT_TRUE(box("CHKNovicePlayer")->isChecked());
    EXPECT_FALSE(box("CHKExpertPlayer")->isChecked());
    EXPECT_TRUE(box("ChkEachDraws")->isChecked());
    EXPECT_FALSE(box("ChkWinnerStarts")->isChecked());
    EXPECT_FALSE(dialog->timerBoxChecked());
}

struct PairCase {
    const char* name;
    std::vector<const char*> clicks;
    bool novice, expert, eachDraws, winnerStarts;
    Boolean playLevel, winnerReStartsGame;
};

void PrintTo(const PairCase& c, std::ostream* out) {
    *out << c.name;
}

class PairsOfBoxes : public GameConditionsTest, public testing::WithParamInterface<PairCase> {};

TEST_P(PairsOfBoxes, OneBoxOfEachPairIsAlwaysChecked) {
    const PairCase& c = GetParam();
    for (const char* name : c.clicks) {
        box(name)->click();
    }
    EXPECT_EQ(box("CHKNovicePlayer")->isChecked(), c.novice);
    EXPECT_EQ(box("CHKExpertPlayer")->isChecked(), c.expert);
    EXPECT_EQ(box("ChkEachDraws")->isChecked(), c.eachDraws);
    EXPECT_EQ(box("ChkWinnerStarts")->isChecked(), c.winnerStarts);
    EXPECT_EQ(state.PlayLevel, c.playLevel);
    EXPECT_EQ(state.WinnerReStartsGame, c.winnerReStartsGame);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, PairsOfBoxes,
    testing::Values(
        PairCase{"ExpertChosen", {"CHKExpertPlayer"}, false, true, true, false, True, False},
        PairCase{"ExpertCleared",
                 {"CHKExpertPlayer", "CHKExpertPlayer"},
                 true,
                 false,
                 true,
                 false,
                 False,
                 False},
        PairCase{"NoviceClearedStaysNovice",
                 {"CHKNovicePlayer"},
                 true,
                 false,
                 true,
                 false,
                 False,
                 False},
        PairCase{"ExpertThenNovice",
                 {"CHKExpertPlayer", "CHKNovicePlayer"},
                 true,
                 false,
                 true,
                 false,
                 False,
                 False},
        PairCase{"WinnerChosen", {"ChkWinnerStarts"}, true, false, false, true, False, True},
        PairCase{"WinnerCleared",
                 {"ChkWinnerStarts", "ChkWinnerStarts"},
                 true,
                 false,
                 true,
                 false,
                 False,
                 False},
        PairCase{"EachDrawsClearedStays", {"ChkEachDraws"}, true, false, true, false, False, False},
        PairCase{"WinnerThenEachDraws",
                 {"ChkWinnerStarts", "ChkEachDraws"},
                 true,
                 false,
                 true,
                 false,
                 False,
                 False}),
    [](const testing::TestParamInfo<PairCase>& info) { return std::string(info.param.name); });

struct LevelCase {
    const char* name;
    std::vector<const char*> clicks;
    const char* checked;
    Boolean playLevel, masterLevel;
};

void PrintTo(const LevelCase& c, std::ostream* out) {
    *out << c.name;
}

class LevelBoxes : public GameConditionsTest, public testing::WithParamInterface<LevelCase> {};

TEST_P(LevelBoxes, ExactlyOneOfTheThreeIsChecked) {
    const LevelCase& c = GetParam();
    for (const char* name : c.clicks)
        box(name)->click();
    for (const char* name : {"CHKNovicePlayer", "CHKExpertPlayer", "CHKMasterPlayer"})
        EXPECT_EQ(box(name)->isChecked(), std::string(name) == c.checked) << name;
    EXPECT_EQ(state.PlayLevel, c.playLevel);
    EXPECT_EQ(state.MasterLevel, c.masterLevel);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, LevelBoxes,
    testing::Values(LevelCase{"MasterChosen", {"CHKMasterPlayer"}, "CHKMasterPlayer", True, True},
                    LevelCase{"MasterCleared",
                              {"CHKMasterPlayer", "CHKMasterPlayer"},
                              "CHKNovicePlayer",
                              False,
                              False},
                    LevelCase{"ExpertThenMaster",
                              {"CHKExpertPlayer", "CHKMasterPlayer"},
                              "CHKMasterPlayer",
                              True,
                              True},
                    LevelCase{"MasterThenExpert",
                              {"CHKMasterPlayer", "CHKExpertPlayer"},
                              "CHKExpertPlayer",
                              True,
                              False},
                    LevelCase{"MasterThenNovice",
                              {"CHKMasterPlayer", "CHKNovicePlayer"},
                              "CHKNovicePlayer",
                              False,
                              False}),
    [](const testing::TestParamInfo<LevelCase>& info) { return std::string(info.param.name); });

TEST_F(GameConditionsTest, TheMastersBoxGrowsTheLevelFrameAndMovesNothingElse) {
    auto* levels = dialog->findChild<QWidget*>("Frame2");
    const QRect expert = box("CHKExpertPlayer")->geometry();
    const QRect master = box("CHKMasterPlayer")->geometry();
    EXPECT_EQ(master.left(), expert.left());
    EXPECT_GT(master.top(), expert.bottom());
    EXPECT_LT(master.bottom(), levels->height());
    EXPECT_EQ(dialog->findChild<QWidget*>("Frame1")->height(), toPixels(2550));
    const int growth = levels->height() - toPixels(2520);
    EXPECT_EQ(dialog->height(), toPixels(5670) + growth);
    EXPECT_EQ(dialog->findChild<QWidget*>("Command1")->y(), toPixels(5130) + growth);
}

TEST_F(GameConditionsTest, HistoryIsSwitchedOnButNeverOffByTheBox) {
    box("ChkGameHistory")->click();
    EXPECT_EQ(state.KeepGameHistory, True);
    box("ChkGameHistory")->click();
    EXPECT_FALSE(box("ChkGameHistory")->isChecked());
    EXPECT_EQ(state.KeepGameHistory, True);
}

TEST_F(GameConditionsTest, SliderEndsSetTheAllowanceAndThePanel) {
    for (const int seconds : {1, 12}) {
        slider()->setValue(seconds);
        EXPECT_EQ(state.SecondsToPlay, static_cast<Single>(seconds));
        EXPECT_EQ(panelText(), QString::number(seconds) + " Seconds to Play a Domino");
    }
    slider()->setValue(13);
    EXPECT_EQ(state.SecondsToPlay, 12.0f);
}

TEST_F(GameConditionsTest, ShowingPutsTheNameIntoItsCaptionsAndTheSecondsOnTheSlider) {
    state.PlayerName = "Zoe";
    state.SecondsToPlay = 9;
    bool seen = false;
    whenModalShows([&](QWidget* modal) {
        seen = modal == dialog.get();
        EXPECT_EQ(modal->windowTitle(), "Game Conditions");
        EXPECT_EQ(box("ChkEachDraws")->text(),
                  "Zoe and the Computer will each draw one Domino from the BoneYard and whoever "
                  "has the Domino with the largest value will start the next Game.");
        EXPECT_EQ(box("CHKExpertPlayer")->text(),
                  "An Expert Player.  The Computer will provide fierce competition to Zoe.");
        EXPECT_EQ(box("CHKNovicePlayer")->text(),
                  "A Novice Player.  The Computer will not present much of a challenge to Zoe.");
        EXPECT_EQ(box("CHKMasterPlayer")->text(),
                  "A Master Player.  The Computer plays to win, and never looks at Zoe's Dominos.");
        EXPECT_EQ(slider()->value(), 9);
        EXPECT_EQ(panelText(), "9 Seconds to Play a Domino");
        test::clickOk(modal);
    });
    dialog->showModal();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(GameConditionsTest, OkKeepsTheBoxesForTheNextShowing) {
    box("CHKExpertPlayer")->click();
    box("ChkWinnerStarts")->click();
    whenModalShows([](QWidget* modal) { test::clickOk(modal); });
    dialog->showModal();
    EXPECT_TRUE(box("CHKExpertPlayer")->isChecked());
    EXPECT_TRUE(box("ChkWinnerStarts")->isChecked());
    EXPECT_FALSE(box("ChkEachDraws")->isChecked());
    EXPECT_EQ(state.WinnerReStartsGame, True);
}

TEST_F(GameConditionsTest, DuringPlayTheTimerStandsStillAndOkRestartsItWithTheNewInterval) {
    box("ChkToStartTheTimer")->click();
    state.GameStatus = Phase::PlayersTurn;
    startTimerRunning(6000);
    bool stoppedWhileOpen = false;
    whenModalShows([&](QWidget* modal) {
        stoppedWhileOpen = !timer1.isActive();
        slider()->setValue(4);
        EXPECT_FALSE(timer1.isActive()) << "a slider move changes nothing until OK";
        test::clickOk(modal);
    });
    dialog->showModal();
    EXPECT_TRUE(stoppedWhileOpen);
    EXPECT_TRUE(timer1.isActive());
    EXPECT_EQ(timer1.interval(), 4000);
}

TEST_F(GameConditionsTest, ClosingTheWindowDuringPlayRestartsTheTimerLikeOk) {
    box("ChkToStartTheTimer")->click();
    state.GameStatus = Phase::PlayersTurn;
    startTimerRunning(6000);
    whenModalShows([](QWidget* modal) { modal->close(); });
    dialog->showModal();
    EXPECT_TRUE(timer1.isActive());
    EXPECT_EQ(timer1.interval(), 6000);
}

TEST_F(GameConditionsTest, ClearingTheTimerBoxStopsTheTimerAtOnce) {
    box("ChkToStartTheTimer")->click();
    startTimerRunning(6000);
    box("ChkToStartTheTimer")->click();
    EXPECT_FALSE(timer1.isActive());
    EXPECT_FALSE(dialog->timerBoxChecked());
}

TEST_F(GameConditionsTest, OkBeforePlaySetsTheIntervalWithoutStartingTheTimer) {
    for (const Integer phase : {Phase::DrawForFirstPlay, Phase::DrawingSeven, Phase::SetDomino}) {
        state.GameStatus = phase;
        if (!dialog->timerBoxChecked()) {
            box("ChkToStartTheTimer")->click();
        }
        whenModalShows([&](QWidget* modal) {
            slider()->setValue(8);
            test::clickOk(modal);
        });
        dialog->showModal();
        EXPECT_FALSE(timer1.isActive()) << "phase " << phase;
        EXPECT_EQ(timer1.interval(), 8000) << "phase " << phase;
    }
}

TEST_F(GameConditionsTest, WithTheBoxClearedOkLeavesTheTimerOff) {
    state.GameStatus = Phase::PlayersTurn;
    whenModalShows([](QWidget* modal) { test::clickOk(modal); });
    dialog->showModal();
    EXPECT_FALSE(timer1.isActive());
}

struct LineCase {
    const char* name;
    bool timerWasRunning;
    Single seconds;
    Boolean keepHistory, playLevel, winnerStarts;
    bool historyBoxBefore;
    bool timerBox, historyBox, expert, winnerBox;
    const char* panel; // nullptr: the panel is left as it was
};

void PrintTo(const LineCase& c, std::ostream* out) {
    *out << c.name;
}

class BringIntoLine : public GameConditionsTest, public testing::WithParamInterface<LineCase> {};

TEST_P(BringIntoLine, BoxesFollowTheOpenedGame) {
    const LineCase& c = GetParam();
    box("ChkToStartTheTimer")->click();
    if (c.historyBoxBefore) {
        box("ChkGameHistory")->click();
    }
    const QString panelBefore = panelText();
    state.SecondsToPlay = c.seconds;
    state.KeepGameHistory = c.keepHistory;
    state.PlayLevel = c.playLevel;
    state.WinnerReStartsGame = c.winnerStarts;

    dialog->bringIntoLine(c.timerWasRunning);

    EXPECT_EQ(dialog->timerBoxChecked(), c.timerBox);
    EXPECT_EQ(box("ChkGameHistory")->isChecked(), c.historyBox);
    EXPECT_EQ(box("CHKExpertPlayer")->isChecked(), c.expert);
    EXPECT_EQ(box("CHKNovicePlayer")->isChecked(), !c.expert);
    EXPECT_EQ(box("ChkWinnerStarts")->isChecked(), c.winnerBox);
    EXPECT_EQ(box("ChkEachDraws")->isChecked(), !c.winnerBox);
    if (c.panel != nullptr) {
        EXPECT_EQ(panelText(), c.panel);
        EXPECT_EQ(slider()->value(), static_cast<int>(c.seconds));
    } else {
        EXPECT_EQ(panelText(), panelBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(
    OpenedGames, BringIntoLine,
    testing::Values(LineCase{"TimerWasRunning", true, 3, False, False, False, false, false, false,
                             false, false, "3 Seconds to Play a Domino."},
                    LineCase{"TimerWasOff", false, 3, False, False, False, false, true, false,
                             false, false, nullptr},
                    LineCase{"ExpertAndWinnerStarts", false, 6, True, True, True, false, true, true,
                             true, true, nullptr},
                    LineCase{"HistoryOffLeavesTheBoxChecked", true, 12, False, False, True, true,
                             false, true, false, true, "12 Seconds to Play a Domino."}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST_F(GameConditionsTest, BringIntoLineChecksTheMasterBoxForAMasterGame) {
    state.PlayLevel = True;
    state.MasterLevel = True;
    dialog->bringIntoLine(false);
    EXPECT_TRUE(box("CHKMasterPlayer")->isChecked());
    EXPECT_FALSE(box("CHKExpertPlayer")->isChecked());
    EXPECT_FALSE(box("CHKNovicePlayer")->isChecked());
}

TEST_F(GameConditionsTest, BringIntoLineReturnsFromExpertToNovice) {
    box("CHKExpertPlayer")->click();
    box("ChkWinnerStarts")->click();
    state.PlayLevel = False;
    state.WinnerReStartsGame = False;
    dialog->bringIntoLine(false);
    EXPECT_FALSE(box("CHKMasterPlayer")->isChecked());
    EXPECT_TRUE(box("CHKNovicePlayer")->isChecked());
    EXPECT_FALSE(box("CHKExpertPlayer")->isChecked());
    EXPECT_TRUE(box("ChkEachDraws")->isChecked());
    EXPECT_FALSE(box("ChkWinnerStarts")->isChecked());
}

} // namespace
} // namespace pipwright
