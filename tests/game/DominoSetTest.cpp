#include "game/DominoSet.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace pipwright {
namespace {

TEST(DominoSet, BuildsTheDoubleSixSetInOrder) {
    GameState s;
    BuildTheSet(s);
    struct Row {
        int row, a, b;
    };
    for (Row r : {Row{1, 0, 0}, Row{7, 0, 6}, Row{8, 1, 1}, Row{13, 1, 6}, Row{28, 6, 6}}) {
        EXPECT_EQ(s.DominoSetArray(r.row, 2), r.a) << "row " << r.row;
        EXPECT_EQ(s.DominoSetArray(r.row, 3), r.b) << "row " << r.row;
    }
    std::set<int> doubles;
    for (int i = 1; i <= 28; ++i)
        if (s.DominoSetArray(i, 2) == s.DominoSetArray(i, 3))
            doubles.insert(i);
    EXPECT_EQ(doubles, (std::set<int>{1, 8, 14, 19, 23, 26, 28}));
}

TEST(DominoSet, ShuffleSwapsEachPositionWithAFreshDraw) {
    GameState s;
    ScriptedRandom random;
    // Position 1 swaps with 28, every other position with itself.
    random.pushDraw(28, 28);
    for (int j = 2; j <= 28; ++j)
        random.pushDraw(j, 28);
    BuildTheSet(s);
    ShuffleTheSet(s, random);
    EXPECT_EQ(s.ShuffleArray(1), 28);
    EXPECT_EQ(s.ShuffleArray(28), 1);
    EXPECT_EQ(s.DominoSetArray(1, 1), 28);
    DealIntoBoneYard(s);
    EXPECT_EQ(s.BoneYardArray(28, 1), 0); // 0-0 went to the last slot
    EXPECT_EQ(s.BoneYardArray(1, 2), 6);  // 6-6 to the first
}

TEST(DominoSet, DealPutsEveryDominoOnceSmallerHalfFirst) {
    for (std::uint64_t seed : {1u, 2u, 99u, 12345u}) {
        GameState s;
        SeededRandom random(seed);
        BuildTheSet(s);
        ShuffleTheSet(s, random);
        DealIntoBoneYard(s);
        std::set<std::pair<int, int>> seen;
        for (int k = 1; k <= 28; ++k) {
            EXPECT_LE(s.BoneYardArray(k, 1), s.BoneYardArray(k, 2));
            EXPECT_LT(s.BoneYardArray(k, 2), 7);
            seen.emplace(s.BoneYardArray(k, 1), s.BoneYardArray(k, 2));
        }
        EXPECT_EQ(seen.size(), 28u) << "seed " << seed;
    }
}

// Outside its bounds a game table stops the program, in every kind of build,
// before anything else of the game is overwritten.
TEST(GameTablesDeathTest, AnIndexOutsideATableStopsTheProgram) {
    GameState s;
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { s.GameRightArray(SetSize + 1, Arm::Inner) = 6; }, "table row 29 is outside 1 to 28"},
        {[&] { s.PlayerArray(1, 3) = 6; }, "table column 3 is outside 1 to 2"},
        {[&] { s.ShuffleArray(SetSize + 1) = 1; }, "list entry 29 is outside 1 to 28"},
    };
    for (const auto& [write, message] : cases)
        EXPECT_DEATH(write(), message);
}

TEST(Random, DrawsStayInRange) {
    ScriptedRandom random;
    random.push(0.0);
    random.push(0.999999);
    EXPECT_EQ(random.draw(28), 1);
    EXPECT_EQ(random.draw(28), 28);
    SeededRandom seeded(7);
    for (int i = 0; i < 10000; ++i) {
        int k = seeded.draw(28);
        ASSERT_GE(k, 1);
        ASSERT_LE(k, 28);
    }
}

TEST(Variant, EmptyActsAsZeroAndKindsStayApart) {
    Variant empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_TRUE(empty == 0);
    EXPECT_EQ(empty.plus(5).toLong(), 5);
    EXPECT_EQ(empty.plus(5).kind(), Variant::Kind::Integer);
    EXPECT_EQ(Variant::whole(40000).kind(), Variant::Kind::Long);
    EXPECT_EQ(Variant::boolean(true).number(), -1);
    EXPECT_FALSE(Variant::boolean(false) == Variant::integer(0));
}

} // namespace
} // namespace pipwright
