#include "GameWindowFixture.h"
#include "game/Geometry.h"

#include <QLabel>
#include <QTest>
#include <cmath>
#include <utility>

namespace pipwright {
namespace {

class Input : public GameWindowTest {
protected:
    // Seven in hand, the player's turn, a line with both ends open on 6.
    void playersTurnWithSeven() {
        GameState& s = state();
        s.Playerdom = 7;
        for (int slot = 1; slot <= 7; ++slot) {
            s.PlayerArray(slot, 1) = static_cast<Integer>(slot - 1);
            s.PlayerArray(slot, 2) = 6;
        }
        s.gameleftarray(1, 3) = Variant::integer(6);
        s.GameRightArray(1, 3) = 6;
        s.Dominoleft = Variant::integer(1);
        s.DominoRight = 1;
        s.GameStatus = Phase::PlayersTurn;
    }
};

TEST_F(Input, MouseDownStoresThePointInThePicturesUnits) {
    struct Case {
        Picture picture;
        QPoint pixel; // inside the picture's inner area
        std::function<std::pair<long, long>(const GameState&)> stored;
    };
    const Case cases[] = {
        {Picture::BoneYard,
         {40, 20},
         [](const GameState& s) {
             return std::pair{s.BoneYardX.toLong(), long(s.BoneYardY)};
         }},
        {Picture::Players,
         {123, 45},
         [](const GameState& s) {
             return std::pair{s.PlayersX.toLong(), long(s.PlayersY)};
         }},
        {Picture::View,
         {400, 200},
         [](const GameState& s) {
             return std::pair{s.ViewX.toLong(), long(s.ViewY)};
         }},
    };
    for (const Case& c : cases) {
        PictureArea& area = picture(c.picture);
        const QPoint inner = area.contentsRect().topLeft();
        QTest::mousePress(&area, Qt::LeftButton, {}, inner + c.pixel);
        // Units per pixel: 15 twips, or the play field's outer size over its
        // inside; a press stands for its pixel's centre.
        const double ux = double(area.scaleWidth()) / area.contentsRect().width();
        const double uy = double(area.scaleHeight()) / area.contentsRect().height();
        const auto [x, y] = c.stored(state());
        EXPECT_NEAR(x, (c.pixel.x() + 0.5) * ux, 1);
        EXPECT_NEAR(y, (c.pixel.y() + 0.5) * uy, 1);
        QTest::mouseRelease(&area, Qt::LeftButton, {}, inner + c.pixel);
    }
    EXPECT_EQ(state().BoneYardX.toLong(), 40 * 15 + 7);
}

TEST_F(Input, ClickActsOnlyWhenReleasedOverThePressedPicture) {
    PictureArea& boneYard = picture(Picture::BoneYard);
    const QPoint square = boneYard.toWidget(75 + 125, state().BoneYardTop + 125);
    QTest::mousePress(&boneYard, Qt::LeftButton, {}, square);
    QTest::mouseRelease(&boneYard, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_TRUE(state().plae.isEmpty()); // nothing drawn yet

    QTest::mouseClick(&boneYard, Qt::LeftButton, {}, square);
    EXPECT_FALSE(state().plae.isEmpty()); // the player drew for first play
}

TEST_F(Input, ClickOnTheBareWindowShowsThePlayFieldsSize) {
    const MainLayout& layout = window->layout();
    QTest::mouseClick(window->centralWidget(), Qt::LeftButton, {}, QPoint(2, 100));
    EXPECT_EQ(label("Label1"), QStringLiteral("Width=%1   Height=%2")
                                   .arg(layout.viewPic.width())
                                   .arg(layout.viewPic.height()));
    EXPECT_EQ(state().GameStatus, Phase::DrawForFirstPlay);
}

TEST_F(Input, ClickOnTheBareWindowIsIgnoredWhileAFlowRuns) {
    QString duringPause;
    window->blockingCalls().pause = [&](double) {
        if (!duringPause.isEmpty())
            return;
        QTest::mouseClick(window->centralWidget(), Qt::LeftButton, {}, QPoint(2, 100));
        duringPause = label("Label1");
    };
    click(Picture::BoneYard, 75 + 125, state().BoneYardTop + 125);
    ASSERT_FALSE(duringPause.isEmpty());
    EXPECT_FALSE(duringPause.startsWith("Width=")) << duringPause.toStdString();
}

// Controls that leave clicks to the window under them are not its background.
TEST_F(Input, ClicksOnControlsAreNotBackgroundClicks) {
    const char* controls[] = {"Panel1",      "Panel5",          "StatusBar1",       "LblPlayer",
                              "LblBoneYard", "LBLPlayerPlayed", "LBLComputerPlayed"};
    window->Form_Click();
    const QString sizes = label("Label1");
    for (const char* name : controls) {
        auto* control = window->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(control, nullptr) << name;
        window->findChild<QLabel*>("Label1")->setText("before");
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
        EXPECT_EQ(label("Label1"), "before") << name;
    }
    QTest::mouseClick(window->centralWidget(), Qt::LeftButton, {}, QPoint(2, 100));
    EXPECT_EQ(label("Label1"), sizes);
}

// A press that lands while the computer thinks is not taken, so its release
// after the turn must not act on the position of the press before it.
TEST_F(Input, ReleaseAfterAFlowOfAPressDuringItDoesNothing) {
    GameState& s = state();
    playersTurnWithSeven();
    s.ComputerDom = 2;
    s.ComputerArray(1, 1) = s.ComputerArray(1, 2) = 6;
    s.ComputerArray(2, 1) = s.ComputerArray(2, 2) = 5;
    click(Picture::Players, handSlotLeft(4) + 150, s.PlayerHandTop + 300);
    ASSERT_EQ(s.PlayerClicked.toLong(), 4);

    PictureArea& hand = picture(Picture::Players);
    const QPoint slotTwo = hand.toWidget(handSlotLeft(2) + 150, s.PlayerHandTop + 300);
    bool pressed = false;
    window->blockingCalls().pause = [&](double) {
        if (!std::exchange(pressed, true))
            QTest::mousePress(&hand, Qt::LeftButton, {}, slotTwo);
    };
    engine().Timer1_Timer(); // time is up: the computer plays
    ASSERT_TRUE(pressed);
    ASSERT_EQ(s.GameStatus, Phase::PlayersTurn);
    const QString prompt = label("Label1");
    QTest::mouseRelease(&hand, Qt::LeftButton, {}, slotTwo);
    EXPECT_EQ(label("Label1"), prompt);
    EXPECT_EQ(s.PlayerClicked.toLong(), 4) << "nothing was selected";
}

TEST_F(Input, HandRowClickSelectsTheDominoUnderIt) {
    GameState& s = state();
    playersTurnWithSeven();
    click(Picture::Players, handSlotLeft(4) + 150, s.PlayerHandTop + 300);
    EXPECT_EQ(s.PlayerClicked.toLong(), 4);
    EXPECT_EQ(label("Label1"), "Tess, Click on the corresponding Domino in the Play Field..");
}

} // namespace
} // namespace pipwright
