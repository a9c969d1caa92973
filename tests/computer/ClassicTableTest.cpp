#include "computer/ClassicTable.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace pipwright {
namespace {

struct LineCase {
    const char* name;
    std::vector<std::pair<int, int>> line;
    int L, L2, R, R2;
};

const LineCase Lines[] = {
    {"a lone domino", {{3, 4}}, 3, 4, 4, 3},
    {"a lone domino high half left", {{3, 4}}, 4, 3, 3, 4},
    {"a lone double", {{5, 5}}, 5, 5, 5, 5},
    {"both arms grown", {{3, 4}, {4, 6}, {3, 5}}, 5, 3, 6, 4},
    {"a double on the left end", {{3, 4}, {3, 3}}, 3, 3, 4, 3},
    {"doubles at the start and both ends", {{2, 2}, {2, 5}, {2, 1}, {1, 1}, {5, 5}}, 1, 1, 5, 5},
    {"a loop through one value", {{0, 1}, {1, 2}, {2, 0}, {0, 3}}, 0, 1, 3, 0},
};

// The line the Master plays out on has the table's dominoes and open ends,
// whichever way round it had to be rebuilt.
TEST(ClassicSeat, RebuildsTheLineFromItsDominoesAndEnds) {
    for (const LineCase& c : Lines) {
        TableView table;
        table.L = c.L, table.L2 = c.L2, table.R = c.R, table.R2 = c.R2;
        rules::DominoSet laid;
        for (const auto& [a, b] : c.line) {
            table.line.push_back({a, b});
            laid.insert(rules::Domino::of(a, b));
        }
        table.hand = {{1, 6, 6}};
        table.otherCount = 7;
        table.boneYardCount = 28 - 1 - static_cast<int>(c.line.size()) - 7;
        const auto seat = classicSeat(table);
        ASSERT_TRUE(seat) << c.name;
        const rules::Line& line = seat->view.line;
        const rules::OpenEnd& left = seat->swapped ? line.right() : line.left();
        const rules::OpenEnd& right = seat->swapped ? line.left() : line.right();
        EXPECT_EQ(line.laid(), laid) << c.name;
        EXPECT_EQ(left, (rules::OpenEnd{c.L, c.L == c.L2})) << c.name;
        EXPECT_EQ(right, (rules::OpenEnd{c.R, c.R == c.R2})) << c.name;
        EXPECT_EQ(seat->view.boneYardCount, table.boneYardCount) << c.name;
    }
}

} // namespace
} // namespace pipwright
