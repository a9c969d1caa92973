#include "storage/HistoryFormat.h"

#include <gtest/gtest.h>

namespace pipwright {
namespace {

HistoryRecord rec(int month, int day, GameCount won, GameCount lost) {
    return {{2001, month, day}, won, lost};
}

TEST(HistoryFormat, ReadsWhatItWrites) {
    const std::vector<HistoryRecord> records = {rec(3, 14, 3, 1), rec(12, 31, 0, 12)};
    const std::string text = writeHistory(records);
    EXPECT_EQ(text, "#2001-03-14#,3,1\r\n#2001-12-31#,0,12\r\n");
    const HistoryRead read = readHistory(text + "\r\n");
    ASSERT_TRUE(read.ok) << read.error.english();
    EXPECT_EQ(read.records, records);
    EXPECT_TRUE(readHistory("").ok);
    EXPECT_EQ(readHistory("#2000-02-29#,1,0").records.size(), 1u) << "no line end at the end";
    EXPECT_EQ(readHistory("#2000-02-29#,9223372036854775807,4294967296").records,
              (std::vector<HistoryRecord>{{{2000, 2, 29}, MostGames, 4294967296}}));
}

TEST(HistoryFormat, OneBadLineFailsTheWholeRead) {
    const char* badLines[] = {
        "#2001-3-14#,3,1",   "2001-03-14,3,1",
        "#2001-02-29#,3,1",  "#2001-13-01#,3,1",
        "#2001-03-14#,3",    "#2001-03-14#,3,1,0",
        "#2001-03-14#,-3,1", "#2001-03-14#,3, 1",
        "#2001-03-14#,,1",   "#2001-03-14#,3,9223372036854775808",
        "garbage",           "#0000-01-01#,1,1",
    };
    for (const char* bad : badLines) {
        const HistoryRead read = readHistory(std::string("#2001-03-13#,1,1\r\n") + bad + "\r\n");
        EXPECT_FALSE(read.ok) << bad;
        EXPECT_TRUE(read.records.empty());
        EXPECT_EQ(read.error.english(), "line 2 is not a date and two counts");
        EXPECT_EQ(read.badLine, 2);
    }
}

TEST(HistoryFormat, MergePutsTotalsWhereTheDateLastOccurs) {
    struct Case {
        const char* what;
        std::vector<HistoryRecord> in, out;
    };
    const Case cases[] = {
        {"two quits on one day", {rec(3, 14, 2, 1), rec(3, 14, 1, 0)}, {rec(3, 14, 3, 1)}},
        {"order of last occurrence",
         {rec(3, 14, 1, 0), rec(3, 15, 0, 1), rec(3, 14, 1, 1), rec(3, 16, 2, 0), rec(3, 15, 1, 0)},
         {rec(3, 14, 2, 1), rec(3, 16, 2, 0), rec(3, 15, 1, 1)}},
        {"all-zero lines go", {rec(3, 14, 0, 0), rec(3, 15, 1, 0)}, {rec(3, 15, 1, 0)}},
        {"a date whose lines are all zero", {rec(3, 14, 0, 0), rec(3, 14, 0, 0)}, {}},
        {"past 32 bits", {rec(1, 1, 2147483647, 0), rec(1, 1, 5, 0)}, {rec(1, 1, 2147483652, 0)}},
        {"no overflow", {rec(1, 1, MostGames, 0), rec(1, 1, 5, 0)}, {rec(1, 1, MostGames, 0)}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mergeByDate(c.in), c.out) << c.what;
}

TEST(HistoryFormat, DisplayText) {
    const auto shortDate = [](const PlayDate& d) {
        return std::to_string(d.month) + "/" + std::to_string(d.day) + "/01";
    };
    EXPECT_EQ(formatHistory("Ann", {rec(3, 14, 3, 1), rec(3, 15, 10, 0)}, shortDate),
              "Ann,  Your game history is:\r\r"
              "Date of Play       Games Won        Games Lost\r"
              "  3/14/01                       3                        1\r"
              "  3/15/01                       10                        0\r");
    EXPECT_EQ(historyTitle("Ann").english(), "Ann's Game History..");
}

} // namespace
} // namespace pipwright
