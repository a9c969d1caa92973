#include "game/GameState.h"
#include "tests/dialogs/ModalProbe.h"
#include "ui/Twips.h"
#include "ui/dialogs/AuthorWindow.h"
#include "ui/dialogs/TimeOutNotice.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

namespace pipwright {
namespace {

using test::whenModalShows;

TEST(AuthorWindow, OkMarksTheAuthorShown) {
    GameState state;
    QString caption;
    bool mentionsLicence = false;
    whenModalShows([&](QWidget* modal) {
        caption = modal->windowTitle();
        for (const QLabel* label : modal->findChildren<QLabel*>()) {
            mentionsLicence = mentionsLicence || label->text().contains("MIT");
        }
        test::clickOk(modal);
    });
    showAuthorWindow(state, nullptr);
    EXPECT_EQ(caption, "The Author of Pipwright");
    EXPECT_TRUE(mentionsLicence);
    EXPECT_EQ(state.AuthorShown, 1);
}

TEST(AuthorWindow, ClosingWithoutOkLeavesTheFlag) {
    GameState state;
    whenModalShows([](QWidget* modal) { modal->close(); });
    showAuthorWindow(state, nullptr);
    EXPECT_EQ(state.AuthorShown, 0);
}

TEST(TimeOutNotice, ShowsItsTextAtItsPlaceAndClosesItself) {
    const QString text = "Ann, You waited to Long.\rYour allotted Time of 6 Seconds has expired.\r"
                         "It is now the Computer's turn to Play..";
    QString caption;
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QPoint at;
    bool frameless = false;
    whenModalShows(
        [&](QWidget* modal) {
            caption = modal->windowTitle();
            shown = modal->findChild<QLabel*>("Label1")->text();
            format = modal->findChild<QLabel*>("Label1")->textFormat();
            at = modal->pos();
            frameless = modal->windowFlags().testFlag(Qt::FramelessWindowHint);
        },
        test::AfterCheck::LeaveOpen);
    // Should it not close itself, this ends the wait and the test fails.
    bool forced = false;
    QTimer::singleShot(3000, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            forced = true;
            modal->close();
        }
    });
    QElapsedTimer clock;
    clock.start();
    showTimeOutNotice("Sorry Ann", text, 210, {}, nullptr, 60);
    EXPECT_FALSE(forced);
    EXPECT_GE(clock.elapsed(), 50);
    EXPECT_EQ(caption, "Sorry Ann");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, QString(text).replace('\r', '\n'));
    EXPECT_TRUE(frameless);
    const QPoint origin = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
    EXPECT_EQ(at, origin + QPoint(toPixels(210), toPixels(3500)));
}

} // namespace
} // namespace pipwright
