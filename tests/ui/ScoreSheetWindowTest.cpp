#include "ui/ScoreSheetWindow.h"

#include "GameWindowFixture.h"
#include "game/Geometry.h"
#include "language/Translation.h"
#include "ui/HistoryChart.h"

#include <QListWidget>
#include <QTest>

namespace pipwright {
namespace {

using ScoreSheetWindowTest = GameWindowTest;

// Opened by its key while the menus are off, it stays open beside play and
// writes the count of a domino laid as it scores.
TEST_F(ScoreSheetWindowTest, OpensByKeyAndFollowsThePlay) {
    engine().KillTheMenus();
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    auto* sheet = window->findChild<ScoreSheetWindow*>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_FALSE(sheet->isModal());
    EXPECT_EQ(sheet->lines().count(), 0);

    // The Set Domino 2-4: left end 2, right end 4; 2-1 on the left makes 1 + 4.
    GameState& s = state();
    s.Playerdom = 2;
    s.PlayerArray(1, 1) = 2;
    s.PlayerArray(1, 2) = 1;
    s.PlayerArray(2, 1) = 3;
    s.PlayerArray(2, 2) = 3;
    s.startLine(2, 4);
    engine().TheSetDomino();
    s.GameStatus = Phase::PlayersTurn;
    click(Picture::Players, handSlotLeft(1) + HalfSize / 2, s.PlayerHandTop + HalfSize);
    const Rect left = s.endRect(End::Left);
    click(Picture::View, (left.left + left.right) / 2, (left.top + left.bottom) / 2);

    ASSERT_GE(sheet->lines().count(), 1);
    EXPECT_EQ(sheet->lines().item(0)->text(), "Tess laid 2-1 on the left: 1 + 4 = 5, +5");
    EXPECT_TRUE(sheet->isVisible());
}

// The chart's words add every day up, a day written twice included, though
// only the last fourteen days are drawn.
TEST(HistoryChart, SaysTheTotalsAndTheDaysDrawn) {
    std::vector<HistoryRecord> records;
    for (int day = 1; day <= 15; ++day)
        records.push_back({{2026, 3, day}, day % 3, 1});
    records.push_back({{2026, 3, 2}, 2, 0});
    const HistoryChart chart(records);
    EXPECT_EQ(chart.summary(), "Won 17 and lost 15 of 32 games: 53% won.");
    const QStringList lines = chart.description().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines.front(), "The last 14 of 15 days played:");
    EXPECT_TRUE(lines.back().endsWith(": 0 won, 1 lost")) << lines.back().toStdString();
}

// English takes its plural forms from the game's translations too.
TEST(HistoryChart, CountsOneGameInTheSingular) {
    const QByteArray lang = qgetenv("LANG");
    qputenv("LANG", "C");
    installTranslations(*QCoreApplication::instance());
    qputenv("LANG", lang);
    const HistoryChart one({{{2026, 3, 1}, 1, 0}});
    EXPECT_EQ(one.summary(), "Won 1 and lost 0 of 1 game: 100% won.");
    const HistoryChart two({{{2026, 3, 1}, 1, 1}});
    EXPECT_EQ(two.summary(), "Won 1 and lost 1 of 2 games: 50% won.");
}

} // namespace
} // namespace pipwright
