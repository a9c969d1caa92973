#include "GameWindowFixture.h"
#include "ui/TableAccessible.h"

#include <QAccessible>
#include <QTest>
#include <functional>

namespace pipwright {
namespace {

class ScreenReader : public GameWindowTest {
public:
    QAccessibleInterface* read(Picture p) {
        return QAccessible::queryAccessibleInterface(&picture(p));
    }
    QStringList items(Picture p) {
        QStringList names;
        QAccessibleInterface* list = read(p);
        for (int i = 0; i < list->childCount(); ++i)
            names << list->child(i)->text(QAccessible::Name);
        return names;
    }
    void deal(std::initializer_list<std::pair<int, int>> hand) {
        GameState& s = state();
        s.Playerdom = 0;
        for (const auto& [a, b] : hand) {
            ++s.Playerdom;
            s.PlayerArray(s.Playerdom, 1) = static_cast<Integer>(a);
            s.PlayerArray(s.Playerdom, 2) = static_cast<Integer>(b);
        }
    }
    // Counts the notifications the player is told.
    int toldAfter(const std::function<void()>& act) {
        struct Counter : QObject {
            int shown = 0;
            bool eventFilter(QObject*, QEvent* event) override {
                shown += event->type() == QEvent::Show;
                return false;
            }
        } counter;
        const auto& notices = window->findChild<NewsLine*>()->notices();
        for (QWidget* notice : notices)
            notice->installEventFilter(&counter);
        act();
        QCoreApplication::processEvents();
        for (QWidget* notice : notices)
            notice->removeEventFilter(&counter);
        return counter.shown;
    }
};

struct PhaseCase {
    const char* name;
    std::function<void(ScreenReader&, GameState&)> setUp;
    QStringList hand;
    QStringList line;
    const char* lineName;
    const char* boneYard;
};

// What the tree reports in each phase: the hand and the line as lists, read
// from the line's left end to its right end.
TEST_F(ScreenReader, TheTreeFollowsEachPhase) {
    const PhaseCase cases[] = {
        {"the draw for first play",
         [](ScreenReader&, GameState&) {},
         {},
         {},
         "The line: no dominoes laid",
         "BoneYard: 28 dominoes face down"},
        {"the Set Domino laid",
         [](ScreenReader& t, GameState& s) {
             t.deal({{6, 4}, {NoHalf, NoHalf}, {3, 3}});
             s.startLine(2, 4);
             s.BoneYardArray(1, 1) = NoHalf;
             s.GameStatus = Phase::PlayersTurn;
         },
         {"6-4", "3-3"},
         {"2-4"},
         "The line: left end 2, right end 4, 1 domino laid",
         "BoneYard: 27 dominoes face down"},
        {"both arms grown",
         [](ScreenReader& t, GameState& s) {
             t.deal({{5, 1}});
             s.startLine(2, 4);
             s.appendToArm(End::Left, 2, 1);
             s.appendToArm(End::Left, 1, 6);
             s.appendToArm(End::Right, 4, 5);
             s.GameStatus = Phase::ComputersTurn;
         },
         {"5-1"},
         {"6-1", "1-2", "2-4", "4-5"},
         "The line: left end 6, right end 5, 4 dominoes laid",
         "BoneYard: 28 dominoes face down"},
        {"the next round's draw, the last line's counts left as they were",
         [](ScreenReader&, GameState& s) {
             s.startLine(2, 4);
             s.GameStatus = Phase::DrawForFirstPlay;
         },
         {},
         {},
         "The line: no dominoes laid",
         "BoneYard: 28 dominoes face down"},
    };
    for (const PhaseCase& c : cases) {
        SCOPED_TRACE(c.name);
        window = nullptr;
        SetUp();
        c.setUp(*this, state());
        EXPECT_EQ(items(Picture::Players), c.hand);
        EXPECT_EQ(items(Picture::View), c.line);
        EXPECT_EQ(read(Picture::View)->text(QAccessible::Name), c.lineName);
        EXPECT_EQ(read(Picture::BoneYard)->text(QAccessible::Name), c.boneYard);
    }
}

// Each domino of the line tells where it lies, as the hand's do: the reader
// finds the domino under the pointer, and a click at an end's place plays
// there, as a magnifier's or a test driver's would.
TEST_F(ScreenReader, TheLineTellsWhereEachDominoLies) {
    window->random().seed(20261208);
    engine().GameStart();
    int laidWhereTold = 0;
    for (int clicks = 0; results.empty() && clicks < 500; ++clicks) {
        const GameState& s = state();
        if (s.GameStatus == Phase::SetDomino) {
            clickHand(1);
            continue;
        }
        if (s.GameStatus != Phase::PlayersTurn) {
            clickBoneYard(firstFaceDown());
            continue;
        }
        QAccessibleInterface* line = read(Picture::View);
        for (int i = 0; i < line->childCount(); ++i) {
            const QPoint middle = line->child(i)->rect().center();
            EXPECT_EQ(line->childAt(middle.x(), middle.y()), line->child(i)) << i;
        }
        const int held = int(items(Picture::Players).size());
        for (int slot = 1; slot <= s.Playerdom && items(Picture::Players).size() == held; ++slot) {
            const int a = s.PlayerArray(slot, 1), b = s.PlayerArray(slot, 2);
            for (const bool left : {true, false}) {
                if (a == NoHalf || !fitsEnd(a, b, s.openEnd(left ? End::Left : End::Right)))
                    continue;
                clickHand(slot);
                const QRect place = line->child(left ? 0 : line->childCount() - 1)->rect();
                PictureArea& view = picture(Picture::View);
                QTest::mouseClick(&view, Qt::LeftButton, {}, view.mapFromGlobal(place.center()));
                ASSERT_EQ(items(Picture::Players).size(), held - 1) << "a click on the told end";
                ++laidWhereTold;
                break;
            }
        }
        if (items(Picture::Players).size() == held)
            playersTurn();
    }
    EXPECT_EQ(results.size(), 1u);
    EXPECT_GE(laidWhereTold, 3);
}

TEST_F(ScreenReader, NoFrameBelowTheWindowAndTheHandHoldsListItems) {
    deal({{6, 4}});
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            EXPECT_NE(child->role(), QAccessible::Border)
                << child->text(QAccessible::Name).toStdString();
            walk(child);
        }
    };
    walk(QAccessible::queryAccessibleInterface(window.get()));
    EXPECT_EQ(read(Picture::Players)->role(), QAccessible::List);
    EXPECT_EQ(read(Picture::Players)->child(0)->role(), QAccessible::ListItem);
    EXPECT_EQ(read(Picture::Players)->child(0)->parent(), read(Picture::Players));
}

TEST_F(ScreenReader, TabGoesRoundTheHandCantPlayTheLineAndTheBoneYard) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(QApplication::focusWidget(), &picture(Picture::Players));
    const char* const stops[] = {"ComPlayerCantPlay", "ViewPic", "BoneYardPic", "PlayersPic"};
    for (const char* stop : stops) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), stop);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "BoneYardPic");
}

// A reader that gets to a notification late still reads that notification's
// own news, not the news told since.
TEST_F(ScreenReader, NewsToldInQuickSuccessionKeepsEachItsOwnText) {
    auto* news = window->findChild<NewsLine*>();
    for (const char* told :
         {"Player's Selection 2-6", "Tess, The Computer is Thinking..", "Computer's Selection 5-6"})
        news->tell(QString::fromLatin1(told));
    QStringList kept;
    for (QWidget* notice : news->notices())
        kept << QAccessible::queryAccessibleInterface(notice)->text(QAccessible::Name);
    EXPECT_TRUE(kept.contains("Player's Selection 2-6"));
    EXPECT_TRUE(kept.contains("Tess, The Computer is Thinking.."));
    EXPECT_EQ(news->accessibleName(), "Computer's Selection 5-6");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(news->notices()[0])->role(),
              QAccessible::Notification);
}

TEST_F(ScreenReader, EachNewMessageIsToldOnceAndAnUnchangedOneNever) {
    engine().say(Text::verbatim("Tess, Wrong Selection...."));
    QCoreApplication::processEvents();
    EXPECT_EQ(toldAfter([&] { engine().say(Text::verbatim("Tess, Wrong Selection....")); }), 0);
    // A message and a score in one step are told together.
    EXPECT_EQ(toldAfter([&] {
                  engine().say(Text::verbatim("Tess, The Computer is Thinking.."));
                  window->port().setStatusPanel(2, Text::verbatim("Computer's Score=10"));
              }),
              1);
    EXPECT_EQ(window->findChild<NewsLine*>()->accessibleName(),
              "Tess, The Computer is Thinking.. Computer's Score=10");
    EXPECT_EQ(
        toldAfter([&] { window->port().setStatusPanel(2, Text::verbatim("Computer's Score=10")); }),
        0);
}

} // namespace
} // namespace pipwright
