// Where the line's dominoes lie, and how a hand's end is told.

#include "ui/table/TableLayout.h"

#include "rules/Presets.h"
#include "ui/table/TableTexts.h"

#include <gtest/gtest.h>

namespace pipwright {
namespace {

using rules::Domino;
using rules::End;
using rules::PublicEvent;

// A line of n dominoes laid alternately right and left, doubles among them.
std::vector<PublicEvent> lineOf(int n) {
    std::vector<PublicEvent> record;
    int left = 6, right = 6;
    record.push_back({PublicEvent::Kind::Laid, 0, Domino::of(6, 6), true, End::First});
    rules::DominoSet used;
    used.insert(Domino::of(6, 6));
    for (int i = 1; i < n; ++i) {
        const bool onRight = i % 2 == 1;
        int& open = onRight ? right : left;
        // Any unused domino with the open half: the line need not be playable.
        for (Domino d : rules::DominoSet::whole().without(used))
            if (d.has(open)) {
                PublicEvent e{PublicEvent::Kind::Laid, 0, d, true,
                              onRight ? End::Right : End::Left};
                e.left = {left, false};
                e.right = {right, false};
                record.push_back(e);
                used.insert(d);
                open = d.otherHalf(open);
                break;
            }
    }
    return record;
}

// However long the line, every domino lies inside the table's middle and
// none overlaps another.
TEST(TableLayout, TheWholeLineFitsWithoutOverlap) {
    for (int n = 1; n <= 21; ++n) {
        std::vector<LineTile> tiles = lineOfHand(lineOf(n));
        placeLine(tiles, canvas::lineArea());
        for (std::size_t i = 0; i < tiles.size(); ++i) {
            EXPECT_TRUE(canvas::lineArea().contains(tiles[i].rect)) << n << " " << i;
            for (std::size_t j = i + 1; j < tiles.size(); ++j)
                EXPECT_FALSE(tiles[i].rect.intersects(tiles[j].rect)) << n << " " << i << " " << j;
        }
    }
}

// Neighbours on the line show matching halves where they touch.
TEST(TableLayout, NeighboursMatch) {
    const std::vector<LineTile> tiles = lineOfHand(lineOf(13));
    for (std::size_t i = 1; i < tiles.size(); ++i)
        EXPECT_EQ(tiles[i - 1].second, tiles[i].first) << i;
}

struct Award {
    rules::Preset preset{};
    int seats = 2;
    int winner = 0;
    std::array<int, rules::MaxSeats> pips{};
    int award = 0;
    const char* told = nullptr;
    rules::HandEnd how = rules::HandEnd::Out;
};

// The award's arithmetic as the end of a hand tells it.
TEST(TableTexts, HandEndTellsTheArithmetic) {
    const Award cases[] = {
        {rules::Preset::Partners,
         4,
         0,
         {0, 12, 4, 17},
         33,
         "You went out. Right and Left hold 12 and 17, Partner 4: 33, to you and Partner"},
        {rules::Preset::Draw,
         2,
         1,
         {9, 2, 0, 0},
         7,
         "Across went out. You hold 9, less Across 2: 7, to Across"},
        {rules::Preset::Block,
         3,
         0,
         {0, 5, 6, 0},
         11,
         "You went out. Right and Left hold 5 and 6: 11, to you"},
        {rules::Preset::FivesAndThrees,
         2,
         rules::NoSeat,
         {8, 14, 0, 0},
         0,
         "The game is blocked. A blocked hand scores nothing.",
         rules::HandEnd::Blocked},
    };
    for (const Award& c : cases) {
        rules::Choices choices;
        choices.seats = c.seats;
        const rules::Game game(*rules::choose(c.preset, choices).rules, 1);
        rules::HandEnded ended;
        ended.how = c.how;
        ended.winner = c.winner;
        ended.award = c.award;
        ended.pips = c.pips;
        EXPECT_EQ(tabletext::handEndText(game, ended).toStdString(), c.told);
    }
}

} // namespace
} // namespace pipwright
