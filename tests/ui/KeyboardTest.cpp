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
    // The hand as a screen reader reads it: its list items and their states.
    QString heardHand() {
        QAccessibleInterface* hand =
            QAccessible::queryAccessibleInterface(&picture(Picture::Players));
        QStringList items;
        for (int i = 0; i < hand->childCount(); ++i) {
            QAccessibleInterface* item = hand->child(i);
            QString heard = item->text(QAccessible::Name);
            if (item->state().focused)
                heard += QStringLiteral(" (highlighted)");
            if (item->state().selected)
                heard += QStringLiteral(" (selected)");
            items << heard;
        }
        return hand->text(QAccessible::Name) + QStringLiteral(": ") +
               items.join(QStringLiteral(", "));
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

// Beside a double Set Domino both ends are one domino: the key says the arm.
TEST_F(Keyboard, EndKeysLayOnTheirOwnArmBesideADoubleSetDomino) {
    for (auto [key, end] : {std::pair{Qt::Key_L, End::Left}, std::pair{Qt::Key_R, End::Right}}) {
        window = nullptr;
        SetUp();
        GameState& s = state();
        s.Playerdom = dealHand(s.PlayerArray, std::vector<std::pair<int, int>>{{1, 4}, {6, 6}});
        s.ComputerDom = dealHand(s.ComputerArray, std::vector<std::pair<int, int>>{{0, 0}});
        s.BoneYardArray.fill(NoHalf); // the computer can only pass
        s.startLine(4, 4);
        engine().TheSetDomino();
        s.GameStatus = Phase::PlayersTurn;
        for (int k : {int(Qt::Key_1), int(Qt::Key_Return), int(key)})
            press(k);
        EXPECT_EQ(s.armCell(end, 2, Arm::Outer), 1) << "key " << key;
        EXPECT_EQ(s.armCount(end == End::Left ? End::Right : End::Left), 1) << "key " << key;
    }
}

// B where it draws nothing leaves the game's generator as it was, so a game
// played by keys stays the game the same clicks would play.
TEST_F(Keyboard, BDrawsNothingFromTheGamesGeneratorWhenNoDominoIsDrawn) {
    for (Integer phase : {Phase::PlayersTurn, Phase::SetDomino, Phase::ComputersTurn}) {
        window = nullptr;
        SetUp();
        handAndSetDomino(); // 6-4 fits the right end
        state().GameStatus = phase;
        SeededRandom untouched = window->random();
        press(Qt::Key_B);
        EXPECT_EQ(window->random().Rnd(), untouched.Rnd()) << "phase " << phase;
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
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    handAndSetDomino();
    // The entry looks at the turn when its menu opens.
    Q_EMIT window->findChild<QMenu*>("mnuwaste")->aboutToShow();
    press(Qt::Key_H);
    EXPECT_EQ(heardHand(), "Your dominoes: 6-4 (highlighted) (selected), 3-3, 5-1");
}

TEST_F(Keyboard, AScreenReaderHearsThePicturesAndTheMessageLine) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    handAndSetDomino();
    press(Qt::Key_Right);
    press(Qt::Key_Return);
    EXPECT_EQ(heardHand(), "Your dominoes: 6-4 (highlighted) (selected), 3-3, 5-1");
    press(Qt::Key_Right);
    EXPECT_EQ(heardHand(), "Your dominoes: 6-4 (selected), 3-3 (highlighted), 5-1");
    press(Qt::Key_Escape);
    EXPECT_EQ(heardHand(), "Your dominoes: 6-4 (selected), 3-3, 5-1");
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
