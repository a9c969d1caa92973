#include "game/GameState.h"
#include "tests/dialogs/ModalProbe.h"
#include "ui/dialogs/AuthorWindow.h"
#include "ui/dialogs/GameConditionsDialog.h"
#include "ui/dialogs/ResultWindows.h"
#include "ui/dialogs/TimeOutNotice.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace pipwright {
namespace {

using test::whenModalShows;

// Where a window is placed over the main window: centred, at a design place
// scaled with the main window, or centred across and halfway down.
enum class Expect { Centred, DesignPlace, HalfDown };

struct PlacementCase {
    const char* name;
    std::function<void(const PlacementFrame&)> show;
    Expect expect;
    QPoint twips; // for Expect::DesignPlace
};

const PlacementCase PlacementCases[] = {
    {"frmWinner",
     [](const PlacementFrame& f) {
         showResultWindow({ResultWindow::Winner, "", {}}, nullptr, f);
     },
     Expect::DesignPlace,
     {1140, 1515}},
    {"frmLoser",
     [](const PlacementFrame& f) {
         showResultWindow({ResultWindow::Loser, "", {}}, nullptr, f);
     },
     Expect::Centred,
     {}},
    {"FrmComputerScoreWins",
     [](const PlacementFrame& f) {
         showResultWindow({ResultWindow::ComputerScoreWins, "x", {"a", "b", "c", "d"}}, nullptr, f);
     },
     Expect::DesignPlace,
     {1260, 2610}},
    {"FrmPlayerWinsRound",
     [](const PlacementFrame& f) {
         showResultWindow({ResultWindow::PlayerWinsRound, "x", {"a", "b", "c"}}, nullptr, f);
     },
     Expect::HalfDown,
     {}},
    {"FrmPlayerWaitedTooLong",
     [](const PlacementFrame& f) { showTimeOutNotice("Sorry Ann", "Ann", 70, f, nullptr, 5000); },
     Expect::DesignPlace,
     {70, 3500}},
    {"frmAuthor",
     [](const PlacementFrame& f) {
         GameState state;
         showAuthorWindow(state, nullptr, f);
     },
     Expect::Centred,
     {}},
    {"frmGameConditions",
     [](const PlacementFrame& f) {
         GameState state;
         QTimer timer1;
         GameConditionsDialog dialog(state, timer1, nullptr);
         dialog.showModal(f);
     },
     Expect::Centred,
     {}},
};

// Every window opens over the main window's inside area, wherever that lies
// and at whatever scale, and stays whole on the screen.
TEST(WindowPlacement, OverTheMainWindowAndWholeOnItsScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    struct Frame {
        const char* name;
        PlacementFrame frame;
    };
    const Frame frames[] = {
        {"left top, designed size", {QRect(10, 20, 648, 460), 1, screen}},
        {"moved, at one and a half", {QRect(60, 40, 972, 690), 1.5, screen}},
        {"near the right edge", {QRect(screen.right() - 300, 100, 648, 460), 1, screen}},
    };
    for (const Frame& f : frames) {
        for (const PlacementCase& c : PlacementCases) {
            SCOPED_TRACE(::testing::Message() << f.name << ", " << c.name);
            QRect shown;
            whenModalShows([&](QWidget* modal) { shown = QRect(modal->pos(), modal->size()); });
            c.show(f.frame);
            ASSERT_FALSE(shown.isEmpty());
            const QRect& in = f.frame.inside;
            QPoint wanted;
            switch (c.expect) {
            case Expect::Centred:
                wanted = in.topLeft() + QPoint((in.width() - shown.width()) / 2,
                                               (in.height() - shown.height()) / 2);
                break;
            case Expect::DesignPlace:
                wanted = in.topLeft() + QPoint(qRound(c.twips.x() * f.frame.scale / 15),
                                               qRound(c.twips.y() * f.frame.scale / 15));
                break;
            case Expect::HalfDown:
                wanted = in.topLeft() + QPoint((in.width() - shown.width()) / 2, in.height() / 2);
                break;
            }
            // Kept whole on the screen.
            wanted.setX(
                std::max(screen.left(), std::min(wanted.x(), screen.right() + 1 - shown.width())));
            wanted.setY(
                std::max(screen.top(), std::min(wanted.y(), screen.bottom() + 1 - shown.height())));
            EXPECT_EQ(shown.topLeft(), wanted);
            EXPECT_TRUE(screen.contains(shown) || shown.width() > screen.width() ||
                        shown.height() > screen.height());
        }
    }
}

} // namespace
} // namespace pipwright
