#include "GameWindowFixture.h"
#include "ui/Look.h"
#include "ui/MainLayout.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>

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

TEST_F(WindowLayout, WindowIsFixedAtItsSizeAndCentred) {
    EXPECT_EQ(window->size(), toPixels(QSize(9720, 7320)));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
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

} // namespace
} // namespace pipwright
