#include "GameWindowFixture.h"
#include "game/Geometry.h"

#include <QTest>
#include <cmath>

namespace pipwright {
namespace {

using Input = GameWindowTest;

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
        // Units per pixel: 15 twips, or the play field's outer size over its inside.
        const double ux = double(area.scaleWidth()) / area.contentsRect().width();
        const double uy = double(area.scaleHeight()) / area.contentsRect().height();
        const auto [x, y] = c.stored(state());
        EXPECT_EQ(x, std::lround(c.pixel.x() * ux));
        EXPECT_EQ(y, std::lround(c.pixel.y() * uy));
        QTest::mouseRelease(&area, Qt::LeftButton, {}, inner + c.pixel);
    }
    EXPECT_EQ(state().BoneYardX.toLong(), 40 * 15);
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

TEST_F(Input, HandRowClickSelectsTheDominoUnderIt) {
    // Seven in hand, the player's turn, a line with both ends open on 6.
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
    click(Picture::Players, handSlotLeft(4) + 150, s.PlayerHandTop + 300);
    EXPECT_EQ(s.PlayerClicked.toLong(), 4);
    EXPECT_EQ(label("Label1"), "Tess, Click on the corresponding Domino in the Play Field..");
}

} // namespace
} // namespace pipwright
