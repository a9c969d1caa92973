#include "GameWindowFixture.h"
#include "game/Geometry.h"
#include "ui/Look.h"
#include "ui/MainLayout.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace pipwright {
namespace {

struct LayoutCase {
    const char* name = "";
    int innerWidth = 0;
    QRect boneYard, players, computers, label1, view;
    QPoint cantPlay, playerPlayed, computerPlayed;
};

LayoutInput inputFor(int innerWidth) {
    LayoutInput in;
    in.innerWidth = innerWidth;
    in.innerHeight = 6975;
    in.horizontalAllowance = 60;
    in.verticalAllowance = 60;
    in.boneYardCaptionHeight = 240;
    in.playerCaptionHeight = 240;
    return in;
}

// Figures worked out by hand from the layout rules, with picture borders of
// 60 and captions 240 high.
const LayoutCase LayoutCases[] = {
    {"full width", 9720, QRect(70, 5940, 9550, 650), QRect(70, 4840, 6410, 1075),
     QRect(6530, 4840, 2918, 1075), QRect(70, 4440, 9550, 375), QRect(70, 0, 9550, 4390),
     QPoint(3370, 20), QPoint(2470, -20), QPoint(5155, -20)},
    // The computer's hand is cut where the BoneYard ends (70 + 8830).
    {"narrow window", 9000, QRect(70, 5940, 8830, 650), QRect(70, 4840, 6410, 1075),
     QRect(6530, 4840, 2370, 1075), QRect(70, 4440, 8830, 375), QRect(70, 0, 8830, 4390),
     QPoint(3370, 20), QPoint(2470, -20), QPoint(5155, -20)},
};

TEST(MainLayout, FollowsTheLayoutRules) {
    for (const LayoutCase& c : LayoutCases) {
        SCOPED_TRACE(c.name);
        const MainLayout out = layOutMainWindow(inputFor(c.innerWidth));
        EXPECT_EQ(out.statusBar, QRect(0, 6615, c.innerWidth, 360));
        EXPECT_EQ(out.boneYardPic, c.boneYard);
        EXPECT_EQ(out.playersPic, c.players);
        EXPECT_EQ(out.computersPic, c.computers);
        EXPECT_EQ(out.label1, c.label1);
        EXPECT_EQ(out.viewPic, c.view);
        EXPECT_EQ(out.cantPlay, c.cantPlay);
        EXPECT_EQ(out.playerPlayed, c.playerPlayed);
        EXPECT_EQ(out.computerPlayed, c.computerPlayed);
        EXPECT_EQ(out.playerHandTop, 240 + 75 + 75);
    }
}

using WindowLayout = GameWindowTest;

TEST_F(WindowLayout, WindowOpensAtItsSizeCentredAndMayGrow) {
    EXPECT_EQ(window->size(), toPixels(QSize(9720, 7320)));
    EXPECT_EQ(window->minimumSize(), window->size());
    EXPECT_GT(window->maximumWidth(), window->width());
    EXPECT_GT(window->maximumHeight(), window->height());
    const QRect screenArea = window->screen()->availableGeometry();
    EXPECT_EQ(window->x(), screenArea.left() + (screenArea.width() - window->width()) / 2);
    EXPECT_EQ(window->y(), screenArea.top() + (screenArea.height() - window->height()) / 2);
}

TEST_F(WindowLayout, StatusBarRunsAlongTheBottom) {
    const MainLayout& layout = window->layout();
    EXPECT_EQ(layout.statusBar.width(), toTwips(window->width()));
    EXPECT_EQ(layout.statusBar.bottom() + 1,
              toTwips(window->height() - window->menuBar()->height()));
    // The score panels keep room for the longest name and a three-figure score.
    for (const char* name : {"Panel1", "Panel2"}) {
        const auto* panel = window->findChild<QLabel*>(name);
        EXPECT_GE(panel->width() * TwipsPerPixel, 3528) << name;
        EXPECT_GE(panel->contentsRect().width(),
                  panel->fontMetrics().horizontalAdvance("Abcdefgh's Score=195"))
            << name;
    }
}

// At the designed size every panel shows its longest text whole, and the two
// score panels keep at least 3528 twips.
TEST_F(WindowLayout, StatusPanelsShowTheirTextsWhole) {
    const std::pair<int, const char*> texts[] = {
        {1, "Abcdefgh's Score=195"},
        {2, "Computer's Score=195"},
        {3, "Games Won=123"},
        {4, "Games Lost=123"},
        {5, "23:59"},
    };
    for (auto [panel, text] : texts) {
        window->port().setStatusPanel(panel, Text::verbatim(text));
        const auto* label = window->findChild<QLabel*>(QStringLiteral("Panel%1").arg(panel));
        const QRect inside = label->contentsRect();
        EXPECT_GE(inside.width(), label->fontMetrics().horizontalAdvance(text)) << text;
        EXPECT_GE(inside.height(), label->fontMetrics().height()) << text;
        EXPECT_TRUE(window->centralWidget()->rect().contains(
            QRect(label->mapTo(window->centralWidget(), QPoint()), label->size())))
            << text;
        if (panel <= 2) {
            EXPECT_GE(toTwips(label->width()), 3528) << text;
        }
    }
}

// The game's windows open over the main window, not in the middle of the screen.
TEST_F(WindowLayout, AboutOpensCentredOverTheMainWindow) {
    window->move(0, 0);
    QCoreApplication::processEvents();
    QPoint centre;
    QTimer::singleShot(0, [&] {
        QWidget* about = QApplication::activeModalWidget();
        centre = QRect(about->pos(), about->size()).center();
        about->close();
    });
    window->mnuAuthor_Click();
    const QWidget* inner = window->centralWidget();
    const QPoint wanted = QRect(inner->mapToGlobal(QPoint()), inner->size()).center();
    EXPECT_LE((centre - wanted).manhattanLength(), 2);
}

// A name or a caption read from a file is shown as it stands, never as markup.
TEST_F(WindowLayout, NamesAndMessagesShowAsPlainText) {
    for (const char* name :
         {"Label1", "Panel1", "Panel2", "Panel3", "Panel4", "LblPlayer", "LblPlayerSelect",
          "LblComputersSelect", "LBLPlayerPlayed", "LBLComputerPlayed"})
        EXPECT_EQ(window->findChild<QLabel*>(name)->textFormat(), Qt::PlainText) << name;
}

TEST_F(WindowLayout, HandRowAndBoneYardRowLieBelowTheirCaptions) {
    const auto* lblPlayer = window->findChild<QLabel*>("LblPlayer");
    const auto* lblBoneYard = window->findChild<QLabel*>("LblBoneYard");
    const int playerCaption = textHeightTwips(lblPlayer->font());
    EXPECT_EQ(state().PlayerHandTop, playerCaption + 150);
    EXPECT_EQ(engine().metrics().playerHandTop, state().PlayerHandTop);
    EXPECT_EQ(state().BoneYardTop, textHeightTwips(lblBoneYard->font()));
    // The caption ends where the row of face-down squares begins.
    EXPECT_LE(lblBoneYard->geometry().bottom() + 1,
              picture(Picture::BoneYard).pos().y() +
                  picture(Picture::BoneYard).toWidget(0, state().BoneYardTop).y());
}

TEST_F(WindowLayout, PlayFieldMeasuresItsInsideInOuterUnits) {
    const MainLayout& layout = window->layout();
    EXPECT_EQ(picture(Picture::View).scaleWidth(), layout.viewPic.width());
    EXPECT_EQ(picture(Picture::View).scaleHeight(), layout.viewPic.height());
    // The whole line fits: the Set Domino's lane and the corners of both arms.
    EXPECT_GT(layout.viewPic.height(), 4100);
    EXPECT_GT(layout.viewPic.width(), 9000);
}

struct SizeCase {
    const char* name = "";
    QSize window;
};

const SizeCase SizeCases[] = {
    {"designed size", toPixels(QSize(9720, 7320))},
    {"half as large again", QSize(972, 732)},
    {"a maximised 1920 x 1080 screen", QSize(1920, 1050)},
    {"wide and low", QSize(1400, 520)},
    {"narrow and tall", QSize(700, 1000)},
};

// Where the layout puts a point of a picture's inside, drawn at one scale and
// centred in the window's inner area. The play field measures its inside in
// the numbers of its outer size.
QPoint scaledPoint(const QRect& picture, QPoint inside, double factor, QPoint offset,
                   bool measuresOuter = false) {
    const double frame = 2 * factor;
    QPointF perTwip(factor / TwipsPerPixel, factor / TwipsPerPixel);
    if (measuresOuter)
        perTwip = QPointF((picture.width() * perTwip.x() - 2 * frame) / picture.width(),
                          (picture.height() * perTwip.y() - 2 * frame) / picture.height());
    const QPointF corner = QPointF(picture.topLeft()) * factor / TwipsPerPixel;
    return offset + QPoint(int(corner.x() + frame + inside.x() * perTwip.x()),
                           int(corner.y() + frame + inside.y() * perTwip.y()));
}

TEST_F(WindowLayout, ClicksLandOnTheirTargetsAtEverySize) {
    const QSize designed(toPixels(9720), toPixels(7320) - window->menuBar()->sizeHint().height());
    for (const SizeCase& c : SizeCases) {
        SCOPED_TRACE(c.name);
        window->resize(c.window);
        QCoreApplication::processEvents();
        QWidget* inner = window->centralWidget();
        const double factor = std::min(double(inner->width()) / designed.width(),
                                       double(inner->height()) / designed.height());
        const QPoint offset((inner->width() - designed.width() * factor) / 2,
                            (inner->height() - designed.height() * factor) / 2);
        EXPECT_NEAR(window->scale().factor, factor, 1e-9);
        const MainLayout& layout = window->layout();
        auto clickAt = [&](QPoint p) {
            QWidget* target = inner->childAt(p);
            ASSERT_NE(target, nullptr);
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(inner, p));
        };
        for (int slot : {1, 14, 28}) {
            const Rect square = boneYardSquare(slot, state().BoneYardTop);
            clickAt(scaledPoint(layout.boneYardPic, {square.left + 125, square.top + 125}, factor,
                                offset));
            EXPECT_EQ(boneYardSlotAt(state().BoneYardX.toLong()), slot);
        }
        for (int slot : {1, 9, 18}) {
            clickAt(scaledPoint(layout.playersPic,
                                {handSlotLeft(slot) + 150, state().PlayerHandTop + 300}, factor,
                                offset));
            EXPECT_EQ(handSlotAt(state().PlayersX.toLong(), 18), slot);
            EXPECT_NEAR(state().PlayersY, state().PlayerHandTop + 300, 2 * TwipsPerPixel);
        }
        // The Set Domino's place in the play field.
        clickAt(scaledPoint(layout.viewPic, {4650, 3800}, factor, offset, true));
        EXPECT_NEAR(state().ViewX.toLong(), 4650, 2 * TwipsPerPixel);
        EXPECT_NEAR(state().ViewY, 3800, 2 * TwipsPerPixel);
        // Texts grow with the rest.
        EXPECT_NEAR(window->findChild<QLabel*>("LblBoneYard")->font().pointSizeF(), 9.75 * factor,
                    0.01);
    }
}

// The panels' right-hand borders stay inside the window at every size.
TEST_F(WindowLayout, StatusPanelsEndInsideTheWindowAtEverySize) {
    for (const SizeCase& c : SizeCases) {
        SCOPED_TRACE(c.name);
        window->resize(c.window);
        QCoreApplication::processEvents();
        for (const char* name : {"Panel2", "Panel5"}) {
            const auto* panel = window->findChild<QLabel*>(name);
            const int right = panel->mapTo(window.get(), QPoint(panel->width() - 1, 0)).x();
            EXPECT_LT(right, window->width() - 1) << name;
        }
    }
}

// The window reopens where it was left, maximised or not; when the screen it
// was left on is gone it opens on the primary screen at the designed size,
// centred.
TEST(WindowGeometry, ReopensWhereItWasLeft) {
    struct Case {
        const char* name = "";
        QRect left;
        bool maximised = false;
        bool screenGone = false;
    };
    const Case cases[] = {
        {"moved and enlarged", QRect(40, 30, 700, 520), false, false},
        {"maximised", QRect(20, 40, 660, 500), true, false},
        {"on a screen that is gone", QRect(40, 30, 700, 520), false, true},
    };
    const QSize designed = toPixels(QSize(9720, 7320));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            frmDominos window;
            window.setGeometry(c.left);
            window.show();
            if (c.maximised)
                window.showMaximized();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            window.close();
        }
        if (c.screenGone)
            QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName())
                .setValue("window/screen", "a screen unplugged since");
        frmDominos again;
        again.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
        const QRect area = again.screen()->availableGeometry();
        if (c.screenGone) {
            EXPECT_EQ(again.size(), designed);
            EXPECT_EQ(again.pos(),
                      area.topLeft() + QPoint((area.width() - designed.width()) / 2,
                                              (area.height() - designed.height()) / 2));
            continue;
        }
        EXPECT_EQ(again.isMaximized(), c.maximised);
        EXPECT_EQ(again.normalGeometry(), c.left);
        again.showNormal();
    }
    QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName()).clear();
}

} // namespace
} // namespace pipwright
