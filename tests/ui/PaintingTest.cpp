#include "GameWindowFixture.h"
#include "game/Geometry.h"
#include "ui/Look.h"
#include "ui/PictureArea.h"
#include "ui/Twips.h"

#include <QMouseEvent>
#include <QTest>
#include <array>
#include <optional>
#include <set>

namespace pipwright {
namespace {

// A picture shown off screen, painted in twips.
class Painting : public ::testing::Test {
protected:
    void SetUp() override {
        area.resize(320, 200);
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
        // Just inside the edges: a pixel belongs to the half when its centre does.
        for (auto [bx, by] : {std::pair{x + 5, y + 5}, std::pair{x + 295, y + 295},
                              std::pair{x + 5, y + 150}, std::pair{x + 150, y + 295}})
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
    for (auto [px, py] : {std::pair{200, 425}, std::pair{80, 305}, std::pair{320, 545}})
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

// A run of painted device pixels.
struct PaintedRun {
    int first, last;
};
// Along one row or column of a picture's inside: the runs that are not its
// back colour, or, with a face colour, that show it.
std::vector<PaintedRun> paintedRuns(const QImage& image, const QRect& inside, const QColor& back,
                                    const std::optional<QColor>& face, int at, bool across) {
    std::vector<PaintedRun> runs;
    const int from = across ? inside.left() : inside.top();
    const int to = across ? inside.right() : inside.bottom();
    for (int i = from; i <= to; ++i) {
        const QColor c = across ? image.pixelColor(i, at) : image.pixelColor(at, i);
        const bool painted = face ? c == *face : c != back;
        if (painted && (runs.empty() || runs.back().last != i - 1))
            runs.push_back({i, i});
        else if (painted)
            runs.back().last = i;
    }
    return runs;
}

// Wherever a half lies, its border and the highlight around it keep one width
// in device pixels, also at fractional pixel ratios.
TEST_F(Painting, BordersAndTheHighlightKeepOneWidth) {
    const double ratio = area.devicePixelRatioF();
    std::set<int> borders, frames;
    for (int n = 0; n < 12; ++n) {
        const int x = 50 + 350 * n + 3 * n, y = 1000 + 7 * n;
        area.clear();
        area.paintHalf(x, y, 0, true);
        area.setHighlight(Rect{x, y, x + 300, y + 300});
        const QImage image = area.grab().toImage();
        const QPoint middle =
            QPointF(area.toWidget(x + 150, y + 150) + QPointF(0.5, 0.5)).toPoint() * ratio;
        for (bool across : {true, false}) {
            const int at = across ? middle.y() : middle.x();
            for (const PaintedRun& r :
                 paintedRuns(image, image.rect(), {}, colour::DarkYellow, at, across))
                borders.insert(r.last - r.first + 1);
            for (const PaintedRun& r :
                 paintedRuns(image, image.rect(), {}, colour::Blue, at, across))
                frames.insert(r.last - r.first + 1);
        }
    }
    EXPECT_EQ(borders.size(), 1u) << "border widths " << ::testing::PrintToString(borders);
    EXPECT_EQ(frames.size(), 1u) << "frame widths " << ::testing::PrintToString(frames);
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
        EXPECT_EQ(view.colourAt(3910, 3657), colour::DarkYellow);               // its border
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

// A press at a device pixel of a picture's grab, and where the game took it.
QPoint pressAt(PictureArea& area, int deviceX, int deviceY, const GameState& s, Picture picture) {
    const double ratio = area.devicePixelRatioF();
    const QPointF at(deviceX / ratio, deviceY / ratio);
    QMouseEvent press(QEvent::MouseButtonPress, at, area.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, {});
    QCoreApplication::sendEvent(&area, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), area.mapToGlobal(at),
                        Qt::LeftButton, {}, {});
    QCoreApplication::sendEvent(&area, &release);
    return picture == Picture::Players ? QPoint(int(s.PlayersX.toLong()), s.PlayersY)
                                       : QPoint(int(s.BoneYardX.toLong()), s.BoneYardY);
}

// A press on the first or last painted column or row of a domino takes it,
// at every scale of the window.
using PaintingAgreesWithPresses = GameWindowTest;

TEST_F(PaintingAgreesWithPresses, EdgesOfEveryHandSlotAndBoneYardSquare) {
    const int designedWidth = toPixels(9720);
    GameState& s = state();
    s.GameStatus = Phase::ComputersTurn; // presses are stored, clicks do nothing
    for (const double scale : {1.0, 1.25, 1.5, 2.0, 2.5}) {
        SCOPED_TRACE(testing::Message() << "scale " << scale);
        window->resize(int(designedWidth * scale), int(toPixels(7320) * scale) + 100);
        QCoreApplication::processEvents();
        ASSERT_DOUBLE_EQ(window->scale().factor, scale);
        for (int slot = 1; slot <= HandLimit; ++slot) {
            window->port().paintHalf(Picture::Players, handSlotLeft(slot), s.PlayerHandTop, 6, true);
            window->port().paintHalf(Picture::Players, handSlotLeft(slot), s.PlayerHandTop + 300, 0, true);
        }
        struct Row {
            Picture picture;
            int count, middleY, top, height;
            std::optional<QColor> face; // the BoneYard's caption touches its squares
            std::function<int(int)> middleX;
            std::function<int(int)> slotAt;
        };
        const Row rows[] = {
            {Picture::Players,
             HandLimit,
             s.PlayerHandTop + 300,
             s.PlayerHandTop,
             600,
             {},
             [](int n) { return handSlotLeft(n) + 150; },
             [](int x) { return handSlotAt(x, HandLimit); }},
            {Picture::BoneYard, SetSize, s.BoneYardTop + 125, s.BoneYardTop, 250, colour::FaceDown,
             [&](int n) { return boneYardSquare(n, s.BoneYardTop).left + 125; },
             [](int x) { return boneYardSlotAt(x); }},
        };
        for (const Row& row : rows) {
            PictureArea& area = picture(row.picture);
            const QImage image = area.grab().toImage();
            const double ratio = area.devicePixelRatioF();
            const QRect inside(area.contentsRect().topLeft() * ratio,
                               area.contentsRect().size() * ratio);
            auto device = [&](int twipsX, int twipsY) {
                const QPoint w = area.toWidget(twipsX, twipsY);
                return QPoint(int(w.x() * ratio), int(w.y() * ratio));
            };
            const std::vector<PaintedRun> across = paintedRuns(
                image, inside, area.backColour(), row.face, device(0, row.middleY).y(), true);
            ASSERT_EQ(across.size(), std::size_t(row.count)) << "painted dominoes";
            for (int n = 1; n <= row.count; ++n) {
                SCOPED_TRACE(testing::Message() << "slot " << n);
                const PaintedRun columns = across[std::size_t(n - 1)];
                const int middleColumn = device(row.middleX(n), 0).x();
                const std::vector<PaintedRun> down =
                    paintedRuns(image, inside, area.backColour(), row.face, middleColumn, false);
                ASSERT_FALSE(down.empty());
                const PaintedRun rowsDown = down.back();
                const int middleRow = (rowsDown.first + rowsDown.last) / 2;
                for (const QPoint p :
                     {QPoint(columns.first, middleRow), QPoint(columns.last, middleRow),
                      QPoint(middleColumn, rowsDown.first), QPoint(middleColumn, rowsDown.last)}) {
                    const QPoint taken = pressAt(area, p.x(), p.y(), s, row.picture);
                    EXPECT_EQ(row.slotAt(taken.x()), n)
                        << "device pixel " << p.x() << "," << p.y() << " gave " << taken.x();
                    EXPECT_GE(taken.y(), row.top) << p.y();
                    EXPECT_LE(taken.y(), row.top + row.height) << p.y();
                }
            }
        }
    }
}

} // namespace
} // namespace pipwright
