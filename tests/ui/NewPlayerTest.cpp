// What a new player meets between and during turns: the message line after
// one of the game's windows closes, the H key at every phase, and the
// questions before a restart throws play away.

#include "GameWindowFixture.h"
#include "game/Text.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

namespace pipwright {
namespace {

const char* const DrawPrompt = "Tess, Click on any Domino in the BoneYard to see who Plays First..";

struct PhaseCase {
    const char* name;
    Integer phase;
};

const PhaseCase Phases[] = {
    {"the draw for first play", Phase::DrawForFirstPlay},
    {"drawing seven", Phase::DrawingSeven},
    {"the Set Domino", Phase::SetDomino},
    {"the player's turn", Phase::PlayersTurn},
    {"the computer's turn", Phase::ComputersTurn},
    {"the computer's draw for first play", Phase::ComputerDrawsFirst},
    {"the computer drawing seven", Phase::ComputerDrawsSeven},
};

class NewPlayer : public GameWindowTest {
protected:
    void showBefore(Integer phase) {
        state().GameStatus = phase;
        engine().say(Text::verbatim("said before"));
        engine().setPlayerPlayed("6-4");
        engine().setComputerPlayed("2-1");
    }
    // The news a screen reader was last told.
    QString news() {
        QCoreApplication::processEvents();
        return QAccessible::queryAccessibleInterface(window->findChild<QWidget*>("NewsLine"))
            ->text(QAccessible::Name);
    }
};

// Only the draw for first play asks for the draw when a window closes; at any
// other phase the message line and the played panels keep what they said.
TEST_F(NewPlayer, ClosingAWindowKeepsTheMessageLineExceptAtTheDraw) {
    const std::pair<const char*, void (frmDominos::*)()> windows[] = {
        {"Playing Conditions", &frmDominos::mnuGameConditions_Click},
        {"About", &frmDominos::mnuAuthor_Click},
    };
    for (const auto& [windowName, open] : windows)
        for (const PhaseCase& c : Phases) {
            SCOPED_TRACE(std::string(windowName) + " at " + c.name);
            showBefore(c.phase);
            QTimer::singleShot(0, [] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                    dialog->accept();
            });
            (window.get()->*open)();
            const bool draw = c.phase == Phase::DrawForFirstPlay;
            EXPECT_EQ(label("Label1"), draw ? DrawPrompt : "said before");
            EXPECT_EQ(label("LBLPlayerPlayed"), draw ? "" : "6-4");
            EXPECT_EQ(label("LBLComputerPlayed"), draw ? "" : "2-1");
        }
}

// H is the game's key at every phase: it never opens a menu, and where no
// hint can be given it says why to a screen reader and leaves the line alone.
TEST_F(NewPlayer, HNeverOpensAMenu) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const PhaseCase& c : Phases) {
        if (c.phase == Phase::PlayersTurn || c.phase == Phase::SetDomino)
            continue;
        SCOPED_TRACE(c.name);
        showBefore(c.phase);
        news(); // what was said before is told first
        QTest::keyClick(window.get(), Qt::Key_H);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(label("Label1"), "said before");
        const bool drawing = c.phase == Phase::DrawForFirstPlay || c.phase == Phase::DrawingSeven;
        EXPECT_EQ(news().toStdString(),
                  drawing ? "No hint for a draw: any domino in the BoneYard will do"
                          : "No hint now: it is not your turn");
    }
}

// The Set Domino's hint names the Master's choice and lays nothing.
TEST_F(NewPlayer, HNamesTheSetDominoWithoutLayingIt) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    GameState& s = state();
    s.Playerdom = 7;
    for (int slot = 1; slot <= 7; ++slot) {
        s.PlayerArray(slot, 1) = static_cast<Integer>(slot - 1);
        s.PlayerArray(slot, 2) = static_cast<Integer>(slot - 1);
    }
    s.GameStatus = Phase::SetDomino;
    QTest::keyClick(window.get(), Qt::Key_H);
    EXPECT_EQ(s.GameStatus, Phase::SetDomino);
    const int slot = window->highlightedSlot();
    ASSERT_GE(slot, 1);
    const std::string pips = std::to_string(slot - 1);
    EXPECT_EQ(label("Label1").toStdString(),
              "Tess, Hint: Lead with the " + pips + "-" + pips + " as your Set Domino..");
}

struct RestartCase {
    const char* name;
    Menu entry;
    long playerScore;
    Integer computerScore;
    Integer phase;
    bool asked;
    bool answer;
    bool restarted;
};

const RestartCase Restarts[] = {
    {"a game without points", Menu::RestartTheGame, 0, 0, Phase::PlayersTurn, false, false, true},
    {"a game at 155 to 40, No", Menu::RestartTheGame, 155, 40, Phase::PlayersTurn, true, false,
     false},
    {"a game at 0 to 5, Yes", Menu::RestartTheGame, 0, 5, Phase::DrawForFirstPlay, true, true,
     true},
    {"a round with nothing laid", Menu::RestartTheRound, 155, 40, Phase::DrawingSeven, false, false,
     true},
    {"a round with dominoes laid, No", Menu::RestartTheRound, 0, 0, Phase::PlayersTurn, true, false,
     false},
};

TEST_F(NewPlayer, RestartsAskBeforeThrowingPlayAway) {
    for (const RestartCase& c : Restarts) {
        SCOPED_TRACE(c.name);
        engine().ActivateTheMenus();
        state().PlayerScore = Variant::whole(c.playerScore);
        state().ComputerScore = c.computerScore;
        state().GameStatus = c.phase;
        state().BoneYardArray(1, 1) = NoHalf; // a domino taken: a restart deals afresh
        questions.clear();
        answerYes = c.answer;
        window->menuEntry(c.entry)->trigger();
        EXPECT_EQ(questions.size(), c.asked ? 1U : 0U);
        EXPECT_EQ(state().BoneYardArray(1, 1) != NoHalf, c.restarted);
        if (!c.restarted) {
            EXPECT_EQ(state().GameStatus, c.phase);
            EXPECT_EQ(state().PlayerScore.toLong(), c.playerScore);
        }
    }
}

} // namespace
} // namespace pipwright
