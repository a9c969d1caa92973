#include "GameWindowFixture.h"
#include "ui/Look.h"
#include "ui/PictureArea.h"

#include <QTest>
#include <array>

namespace pipwright {
namespace {

// A picture shown off screen, painted in twips.
class Painting : public ::testing::Test {
protected:
    void SetUp() override {
        area.resize(300, 200);
        area.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    }
    PictureArea area{colour::LightGrey, colour::FaceDown, nullptr};
};

struct HalfCase {
    int pips;
    bool standing;
    // The 3 x 3 grid of quarter points, rows top to bottom: X is a pip.
    std::array<const char*, 3> grid;
};

const HalfCase Halves[] = {
    {0, false, {"...", "...", "..."}}, {1, false, {"...", ".X.", "..."}},
    {2, false, {"X..", "...", "..X"}}, {3, true, {"X..", ".X.", "..X"}},
    {4, false, {"X.X", "...", "X.X"}}, {5, true, {"X.X", ".X.", "X.X"}},
    {6, false, {"XXX", "...", "XXX"}}, {6, true, {"X.X", "X.X", "X.X"}},
};

TEST_F(Painting, HalfIsBlackWithADarkYellowBorderAndWhitePips) {
    const int x = 600, y = 300;
    for (const HalfCase& c : Halves) {
        SCOPED_TRACE(testing::Message() << c.pips << (c.standing ? " standing" : " lying"));
        area.paintHalf(x, y, c.pips, c.standing);
        for (auto [bx, by] : {std::pair{x, y}, std::pair{x + 300, y + 300}, std::pair{x, y + 150},
                              std::pair{x + 150, y + 300}})
            EXPECT_EQ(area.colourAt(bx, by), colour::DarkYellow) << bx << "," << by;
        EXPECT_EQ(area.colourAt(x + 20, y + 20), colour::Black);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col) {
                const bool pip = c.grid[row][col] == 'X';
                // Just inside the pip's centre, half a pixel right and down.
                const int px = x + 75 * (col + 1) + 7, py = y + 75 * (row + 1) + 7;
                EXPECT_EQ(area.colourAt(px, py), pip ? colour::White : colour::Black)
                    << "row " << row << " column " << col;
            }
        EXPECT_EQ(area.colourAt(x - 15, y + 150), colour::LightGrey) << "paints outside its square";
    }
}

TEST_F(Painting, FaceDownSquaresAndTheirErasure) {
    const Rect square{75, 300, 325, 550};
    area.fillBox(square, area.foreColour());
    for (auto [px, py] : {std::pair{200, 425}, std::pair{75, 300}, std::pair{325, 550}})
        EXPECT_EQ(area.colourAt(px, py), colour::FaceDown);
    EXPECT_EQ(area.colourAt(345, 425), colour::LightGrey);
    area.fillBox(square, area.backColour());
    EXPECT_EQ(area.colourAt(200, 425), colour::LightGrey);
}

TEST_F(Painting, SurvivesBeingHiddenAndClearsToItsBackColour) {
    area.paintHalf(0, 0, 1, true);
    area.hide();
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    EXPECT_EQ(area.colourAt(157, 157), colour::White);
    // A resize draws the picture again from what was painted.
    area.resize(320, 210);
    QTest::qWait(0);
    EXPECT_EQ(area.colourAt(157, 157), colour::White);
    area.clear();
    EXPECT_EQ(area.colourAt(157, 157), colour::LightGrey);
    EXPECT_EQ(area.colourAt(0, 0), colour::LightGrey);
}

// A new end of the line flashes white and grey twice before its halves are
// painted; a restored game marks it once, without pausing.
class Flash : public GameWindowTest {
protected:
    void layTheSetDominoAndOneMore() {
        GameState& s = state();
        s.gameleftarray(1, 1) = Variant::integer(1);
        s.gameleftarray(1, 2) = Variant::integer(5);
        s.gameleftarray(1, 3) = Variant::integer(3);
        s.GameRightArray(1, 1) = 1;
        s.GameRightArray(1, 2) = 3;
        s.GameRightArray(1, 3) = 5;
        s.Dominoleft = Variant::integer(1);
        s.DominoRight = 1;
        engine().TheSetDomino();
        s.gameleftarray(2, 1) = Variant::integer(2);
        s.gameleftarray(2, 2) = Variant::integer(3);
        s.gameleftarray(2, 3) = Variant::integer(6);
        s.Dominoleft = Variant::integer(2);
    }
    // The new domino lies at 3900..4500 x 3650..3950, its open six on the left.
    void expectSixThreeLying() {
        PictureArea& view = picture(Picture::View);
        EXPECT_EQ(view.colourAt(3900, 3650), colour::DarkYellow);
        EXPECT_EQ(view.colourAt(3900 + 150 + 7, 3650 + 75 + 7), colour::White); // six in rows
        EXPECT_EQ(view.colourAt(3900 + 75 + 7, 3650 + 150 + 7), colour::Black);
        EXPECT_EQ(view.colourAt(4200 + 150 + 7, 3650 + 150 + 7), colour::White); // three
    }
};

TEST_F(Flash, NewEndFlashesWhiteThenGreyTwice) {
    layTheSetDominoAndOneMore();
    std::vector<QColor> seen;
    window->blockingCalls().pause = [&](double seconds) {
        EXPECT_DOUBLE_EQ(seconds, 0.05);
        seen.push_back(picture(Picture::View).colourAt(4200, 3800));
    };
    engine().CheckingLeft();
    EXPECT_EQ(seen,
              (std::vector<QColor>{colour::White, colour::Grey, colour::White, colour::Grey}));
    expectSixThreeLying();
}

TEST_F(Flash, RestoredEndIsPaintedWithoutFlashing) {
    layTheSetDominoAndOneMore();
    state().RestoringGame = True;
    int pauses = 0;
    window->blockingCalls().pause = [&](double) { ++pauses; };
    engine().CheckingLeft();
    EXPECT_EQ(pauses, 0);
    expectSixThreeLying();
}

} // namespace
} // namespace pipwright
