#include "game/Variant.h"

#include <gtest/gtest.h>

namespace pipwright::testing {
namespace {

// A string read from a saved game counts as the number it spells, if any.
TEST(Variant, AStringCountsAsTheNumberItSpells) {
    struct Case {
        const char* text;
        double number;
        long whole;
    };
    const Case cases[] = {
        {"12", 12, 12},       {"3.75", 3.75, 3},
        {"-2.5", -2.5, -2},   {"", 0, 0},
        {"abc", 0, 0},        {"7 dominos", 0, 0},
        {"inf", 0, 0},        {"nan", 0, 0},
        {"1e300", 0, 0},      {"2147483647", 2147483647, 2147483647},
        {"2147483648", 0, 0},
    };
    for (const Case& c : cases) {
        const Variant v = Variant::string(c.text);
        EXPECT_EQ(v.kind(), Variant::Kind::String) << c.text;
        EXPECT_EQ(v.text(), c.text);
        EXPECT_EQ(v.number(), c.number) << c.text;
        EXPECT_EQ(v.toLong(), c.whole) << c.text;
        Variant copy;
        copy = v;
        EXPECT_EQ(copy.toLong(), c.whole) << c.text;
        EXPECT_EQ(copy, v) << c.text;
    }
}

} // namespace
} // namespace pipwright::testing
