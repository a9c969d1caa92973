#include "GameWindowFixture.h"
#include "game/Geometry.h"
#include "tests/computer/DealtHand.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QTest>
#include <vector>

namespace pipwright {
namespace {

class Keyboard : public GameWindowTest {
protected:
    void press(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window.get(), static_cast<Qt::Key>(key), modifiers);
    }
    // The player's turn with 6-4, an empty slot, 3-3 and 5-1 in hand, and the
    // Set Domino 2-4 laid: left end 2, right end 4.
    void handAndSetDomino() {
        GameState& s = state();
        const Integer hand[4][2] = {{6, 4}, {NoHalf, NoHalf}, {3, 3}, {5, 1}};
        s.Playerdom = 4;
        for (int slot = 1; slot <= 4; ++slot) {
            s.PlayerArray(slot, 1) = hand[slot - 1][0];
            s.PlayerArray(slot, 2) = hand[slot - 1][1];
        }
        s.Dominoleft = Variant::integer(1);
        s.gameleftarray(1, Arm::Inner) = Variant::integer(4);
        s.gameleftarray(1, Arm::Outer) = Variant::integer(2);
        s.DominoRight = 1;
        s.GameRightArray(1, Arm::Inner) = 2;
        s.GameRightArray(1, Arm::Outer) = 4;
        engine().TheSetDomino();
        s.GameStatus = Phase::PlayersTurn;
    }
    QString accessibleName(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }
};

struct KeyCase {
    const char* name = "";
    std::vector<int> keys;
    int highlighted = 0;
    long selected = 0; // PlayerClicked afterwards
    const char* message = "";
};

const char* const Select = ", Click on the corresponding Domino in the Play Field..";

const KeyCase KeyCases[] = {
    {"Right starts at the first domino", {Qt::Key_Right}, 1, 0},
    {"Right passes over an empty slot", {Qt::Key_Right, Qt::Key_Right}, 3, 0},
    {"Left starts at the last domino", {Qt::Key_Left}, 4, 0},
    {"Left wraps round", {Qt::Key_Right, Qt::Key_Left}, 4, 0},
    {"a digit counts the dominoes shown", {Qt::Key_3}, 4, 0},
    {"a digit past the hand changes nothing", {Qt::Key_1, Qt::Key_9}, 1, 0},
    {"Escape clears the highlight", {Qt::Key_Right, Qt::Key_Escape}, 0, 0},
    {"Enter without a highlight does nothing", {Qt::Key_Return}, 0, 0},
    {"Enter selects as a click", {Qt::Key_2, Qt::Key_Enter}, 3, 3, Select},
    {"L with a domino that fits neither end",
     {Qt::Key_3, Qt::Key_Return, Qt::Key_L},
     4,
     4,
     ", Wrong Selection...."},
    {"R before any selection changes nothing", {Qt::Key_R}, 0, 0},
    {"C while the BoneYard holds dominoes", {Qt::Key_C}, 0, 0, ""},
};

TEST_F(Keyboard, KeysActAsTheMatchingClicks) {
    for (const KeyCase& c : KeyCases) {
        SCOPED_TRACE(c.name);
        window = nullptr;
        SetUp();
        handAndSetDomino();
        for (int key : c.keys)
            press(key);
        EXPECT_EQ(window->highlightedSlot(), c.highlighted);
        EXPECT_EQ(state().PlayerClicked.toLong(), c.selected);
        if (*c.message) {
            EXPECT_EQ(label("Label1"), QStringLiteral("Tess") + QString::fromLatin1(c.message));
        }
        EXPECT_EQ(state().GameStatus, Phase::PlayersTurn);
        EXPECT_EQ(state().DominoRight, 1);
    }
}

// After a double Set Domino both ends are the one domino: the key, not the
// place clicked, says which arm the selection goes on.
struct EndKeyCase {
    const char* name;
    int key;
    End end;
};

const EndKeyCase EndKeyCases[] = {
    {"L lays on the left arm", Qt::Key_L, End::Left},
    {"R lays on the right arm", Qt::Key_R, End::Right},
};

TEST_F(Keyboard, EndKeysLayOnTheirOwnArmBesideADoubleSetDomino) {
    for (const EndKeyCase& c : EndKeyCases) {
        SCOPED_TRACE(c.name);
        window = nullptr;
        SetUp();
        GameState& s = state();
        s.Playerdom = dealHand(s.PlayerArray, std::vector<std::pair<int, int>>{{1, 4}, {6, 6}});
        s.ComputerDom = dealHand(s.ComputerArray, std::vector<std::pair<int, int>>{{0, 0}});
        s.BoneYardArray.fill(NoHalf);
        s.startLine(4, 4);
        engine().TheSetDomino();
        s.GameStatus = Phase::PlayersTurn;
        press(Qt::Key_1);
        press(Qt::Key_Return);
        press(c.key);
        const End other = c.end == End::Left ? End::Right : End::Left;
        ASSERT_GE(s.armCount(c.end), 2);
        EXPECT_EQ(s.armCell(c.end, 2, Arm::Inner), 4);
        EXPECT_EQ(s.armCell(c.end, 2, Arm::Outer), 1);
        EXPECT_EQ(s.armCount(other), 1);
    }
}

// A key that lays or draws nothing leaves the game's generator where it was,
// so a game played by keys stays the game the mouse would play.
struct IdleKeyCase {
    const char* name;
    int key;
    Integer phase;
};

const IdleKeyCase IdleKeyCases[] = {
    {"B while a domino in hand fits", Qt::Key_B, Phase::PlayersTurn},
    {"B while the Set Domino is chosen", Qt::Key_B, Phase::SetDomino},
    {"B in the computer's turn", Qt::Key_B, Phase::ComputersTurn},
};

TEST_F(Keyboard, KeysThatDoNothingDrawNothingFromTheGamesGenerator) {
    for (const IdleKeyCase& c : IdleKeyCases) {
        SCOPED_TRACE(c.name);
        window = nullptr;
        SetUp();
        handAndSetDomino();
        state().GameStatus = c.phase;
        const HandTable boneYard = state().BoneYardArray;
        SeededRandom untouched = window->random();
        press(c.key);
        EXPECT_EQ(window->random().Rnd(), untouched.Rnd());
        EXPECT_EQ(state().BoneYardArray, boneYard);
    }
}

TEST_F(Keyboard, TheHighlightShowsOnlyAfterAKeyAndPaintsNothing) {
    handAndSetDomino();
    const QImage before = picture(Picture::Players).grab().toImage();
    EXPECT_FALSE(picture(Picture::Players).highlight());
    press(Qt::Key_Right);
    ASSERT_TRUE(picture(Picture::Players).highlight());
    EXPECT_NE(picture(Picture::Players).grab().toImage(), before);
    // What the game reads back of the hand is unchanged.
    EXPECT_EQ(picture(Picture::Players).colourAt(handSlotLeft(1) - 40, state().PlayerHandTop),
              picture(Picture::Players).backColour());
    press(Qt::Key_Escape);
    EXPECT_EQ(picture(Picture::Players).grab().toImage(), before);
}

TEST_F(Keyboard, AWholeRoundPlayedByKeysAlone) {
    window->random().seed(20261208);
    engine().GameStart();
    int laid = 0;
    for (int turns = 0; results.empty() && turns < 500; ++turns) {
        const GameState& s = state();
        switch (s.GameStatus) {
        case Phase::DrawForFirstPlay:
        case Phase::DrawingSeven:
            press(Qt::Key_B);
            break;
        case Phase::SetDomino:
            press(Qt::Key_1);
            press(Qt::Key_Return);
            break;
        case Phase::PlayersTurn: {
            // Walk the highlight to the first domino that fits, then lay it.
            press(Qt::Key_Escape);
            bool played = false;
            for (int slot = 1; slot <= s.Playerdom && !played; ++slot) {
                const int a = s.PlayerArray(slot, 1), b = s.PlayerArray(slot, 2);
                if (a == NoHalf)
                    continue;
                press(Qt::Key_Right);
                const bool left = fitsEnd(a, b, s.openEnd(End::Left));
                if (left || fitsEnd(a, b, s.openEnd(End::Right))) {
                    ASSERT_EQ(window->highlightedSlot(), slot);
                    press(Qt::Key_Return);
                    press(left ? Qt::Key_L : Qt::Key_R);
                    played = true;
                    ++laid;
                }
            }
            if (!played)
                press(state().faceDownCount() > 0 ? Qt::Key_B : Qt::Key_C);
            break;
        }
        default:
            FAIL() << "the flow returned in phase " << s.GameStatus;
        }
    }
    ASSERT_EQ(results.size(), 1u) << "no result after " << laid << " dominoes laid";
    EXPECT_GT(laid, 0);
    EXPECT_FALSE(engine().flowRunning());
}

TEST_F(Keyboard, ShortcutsFollowTheirMenuEntries) {
    int restartsOfTheGame = 0;
    QObject::connect(window->menuEntry(Menu::RestartTheGame), &QAction::triggered,
                     [&] { ++restartsOfTheGame; });
    handAndSetDomino();
    engine().KillTheMenus();
    press(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(restartsOfTheGame, 0);
    // "T&he Existing Round" stays available: Ctrl+R restarts the round.
    press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_NE(state().GameStatus, Phase::PlayersTurn);
    EXPECT_EQ(state().faceDownCount(), SetSize);
    engine().ActivateTheMenus();
    press(Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(restartsOfTheGame, 1);
}

TEST_F(Keyboard, TheHintHighlightsTheDominoItSelects) {
    handAndSetDomino();
    // The entry looks at the turn when its menu opens.
    Q_EMIT window->findChild<QMenu*>("mnuwaste")->aboutToShow();
    press(Qt::Key_H);
    EXPECT_EQ(accessibleName(&picture(Picture::Players)),
              "Your dominoes: 6-4 (highlighted) (selected), 3-3, 5-1");
}

TEST_F(Keyboard, AScreenReaderHearsThePicturesAndTheMessageLine) {
    handAndSetDomino();
    press(Qt::Key_Right);
    press(Qt::Key_Return);
    EXPECT_EQ(accessibleName(&picture(Picture::Players)),
              "Your dominoes: 6-4 (highlighted) (selected), 3-3, 5-1");
    press(Qt::Key_Right);
    EXPECT_EQ(accessibleName(&picture(Picture::Players)),
              "Your dominoes: 6-4 (selected), 3-3 (highlighted), 5-1");
    press(Qt::Key_Escape);
    EXPECT_EQ(accessibleName(&picture(Picture::Players)),
              "Your dominoes: 6-4 (selected), 3-3, 5-1");
    EXPECT_EQ(accessibleName(&picture(Picture::View)),
              "The line: left end 2, right end 4, 1 domino laid");
    EXPECT_EQ(accessibleName(&picture(Picture::BoneYard)), "BoneYard: 28 dominoes face down");
    for (Picture p : {Picture::Players, Picture::View, Picture::BoneYard})
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(&picture(p))
                         ->text(QAccessible::Description)
                         .isEmpty());
    EXPECT_EQ(accessibleName(window->findChild<QWidget*>("Label1")),
              QStringLiteral("Tess") + QString::fromLatin1(Select));
}

} // namespace
} // namespace pipwright
