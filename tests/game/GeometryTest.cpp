#include "tests/game/EngineFixture.h"

#include <set>

namespace pipwright::testing {
namespace {

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool touch(const Rect& a, const Rect& b) {
    const bool sideBySide =
        (a.right == b.left || b.right == a.left) && a.top < b.bottom && b.top < a.bottom;
    const bool stacked =
        (a.bottom == b.top || b.bottom == a.top) && a.left < b.right && b.left < a.right;
    return sideBySide || stacked;
}

Rect leftRect(const GameState& s, int n) {
    return {static_cast<int>(s.gameleftarray(n, 4).toLong()),
            static_cast<int>(s.gameleftarray(n, 5).toLong()),
            static_cast<int>(s.gameleftarray(n, 6).toLong()),
            static_cast<int>(s.gameleftarray(n, 7).toLong())};
}

Rect rightRect(const GameState& s, int n) {
    return {s.GameRightArray(n, 4), s.GameRightArray(n, 5), s.GameRightArray(n, 6),
            s.GameRightArray(n, 7)};
}

struct ArmPattern {
    const char* name;
    bool setDouble;
    std::set<int> leftDoubles;
    std::set<int> rightDoubles;
};

void PrintTo(const ArmPattern& c, std::ostream* out) {
    *out << c.name;
}

class LineGeometryTest : public EngineTest, public ::testing::WithParamInterface<ArmPattern> {
protected:
    void checkArms(int leftLength, int rightLength);
};

// Lays each arm to its last painted position, the other as far as the set
// allows, and checks that every domino touches the one before it, that none
// overlap and that all lie in the field.
TEST_P(LineGeometryTest, ArmsWindWithoutOverlapping) {
    for (auto [leftLength, rightLength] :
         {std::pair{LastLeftPosition, 5}, std::pair{9, LastRightPosition}})
        checkArms(leftLength, rightLength);
}

void LineGeometryTest::checkArms(int leftLength, int rightLength) {
    const ArmPattern p = GetParam();
    setUpTurn(p.setDouble ? std::pair{3, 3} : std::pair{2, 5}, {});
    auto lay = [&](bool left, int n, bool isDouble) {
        // Halves only matter for telling doubles apart.
        int prevOuter = left ? static_cast<int>(s().gameleftarray(n - 1, 3).toLong())
                             : s().GameRightArray(n - 1, 3);
        int outer = isDouble ? prevOuter : (prevOuter + 1) % 7;
        if (left) {
            s().Dominoleft = Variant::integer(static_cast<Integer>(n));
            s().gameleftarray(n, 1) = Variant::integer(static_cast<Integer>(n));
            s().gameleftarray(n, 2) = Variant::integer(static_cast<Integer>(prevOuter));
            s().gameleftarray(n, 3) = Variant::integer(static_cast<Integer>(outer));
            engine.CheckingLeft();
        } else {
            s().DominoRight = static_cast<Integer>(n);
            s().GameRightArray(n, 1) = static_cast<Integer>(n);
            s().GameRightArray(n, 2) = static_cast<Integer>(prevOuter);
            s().GameRightArray(n, 3) = static_cast<Integer>(outer);
            engine.CheckingRight();
        }
    };
    for (int n = 2; n <= leftLength; ++n)
        lay(true, n, p.leftDoubles.count(n) > 0);
    for (int n = 2; n <= rightLength; ++n)
        lay(false, n, p.rightDoubles.count(n) > 0);

    std::vector<Rect> all{leftRect(s(), 1)};
    for (int n = 2; n <= leftLength; ++n) {
        EXPECT_TRUE(touch(leftRect(s(), n), leftRect(s(), n - 1))) << "left " << n;
        all.push_back(leftRect(s(), n));
    }
    for (int n = 2; n <= rightLength; ++n) {
        EXPECT_TRUE(touch(rightRect(s(), n), rightRect(s(), n - 1))) << "right " << n;
        all.push_back(rightRect(s(), n));
    }
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_GE(all[i].left, 0);
        EXPECT_LE(all[i].right, 9400);
        EXPECT_GE(all[i].top, 0);
        EXPECT_LE(all[i].bottom, 4100);
        for (std::size_t j = i + 1; j < all.size(); ++j)
            EXPECT_FALSE(overlap(all[i], all[j])) << i << " and " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, LineGeometryTest,
    ::testing::Values(ArmPattern{"noDoubles", false, {}, {}}, ArmPattern{"doubleSet", true, {}, {}},
                      ArmPattern{"doublesOnStraights", false, {3, 6, 15, 20}, {2, 5, 14, 18}},
                      ArmPattern{"doublesOnTheUpLane", true, {10, 12}, {9, 11}},
                      ArmPattern{"doublesAtCorners", false, {8, 13}, {8, 13}},
                      ArmPattern{"afterDoublesAtCorners", false, {7, 12}, {7, 12}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, TheSetDominoLiesOrStands) {
    setUpTurn({5, 2}, {});
    EXPECT_EQ(leftRect(s(), 1), (Rect{4500, 3650, 5100, 3950}));
    // The left arm's open half, 5, is painted on the left.
    engine.TheSetDomino();
    ASSERT_EQ(window.halves.size(), 2u);
    EXPECT_EQ(window.halves[0].pips, 5);
    EXPECT_EQ(window.halves[0].x, 4500);
    EXPECT_FALSE(window.halves[0].standing);
    setUpTurn({3, 3}, {});
    EXPECT_EQ(leftRect(s(), 1), (Rect{4500, 3500, 4800, 4100}));
    EXPECT_EQ(rightRect(s(), 1), (Rect{4500, 3500, 4800, 4100}));
}

TEST_F(EngineTest, TheBottomLaneOfTheLeftArmStepsBySixHundred) {
    setUpTurn({2, 5}, {});
    for (int n = 2; n <= 7; ++n) {
        s().Dominoleft = Variant::integer(static_cast<Integer>(n));
        s().gameleftarray(n, 2) = s().gameleftarray(n - 1, 3);
        s().gameleftarray(n, 3) = Variant::integer(static_cast<Integer>((n + 2) % 7));
        engine.CheckingLeft();
        EXPECT_EQ(leftRect(s(), n).left, 4500 - (n - 1) * 600);
        EXPECT_EQ(leftRect(s(), n).top, 3650);
    }
}

TEST_F(EngineTest, NewEndsFlashWhileRestoredOnesAreMarkedOnce) {
    setUpTurn({2, 5}, {});
    s().DominoRight = 2;
    s().GameRightArray(2, 2) = 5;
    s().GameRightArray(2, 3) = 1;
    engine.CheckingRight();
    std::vector<Fill> fills;
    for (const auto& b : window.boxes)
        fills.push_back(b.fill);
    EXPECT_EQ(fills, (std::vector<Fill>{Fill::White, Fill::Grey, Fill::White, Fill::Grey}));
    EXPECT_EQ(window.pauses, (std::vector<double>{0.05, 0.05, 0.05, 0.05}));

    window.clearHistory();
    s().RestoringGame = True;
    s().DominoRight = 3;
    s().GameRightArray(3, 2) = 1;
    s().GameRightArray(3, 3) = 4;
    engine.CheckingRight();
    ASSERT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(window.boxes[0].fill, Fill::Black);
    EXPECT_TRUE(window.pauses.empty());
}

// A domino past the last painted position is not painted, but a click on
// the arm's last painted domino still plays on its end.
TEST_F(EngineTest, ADominoPastTheLastPositionTakesTheLastPaintedRectangle) {
    setUpTurn({2, 5}, {});
    for (int n = 2; n <= 22; ++n) {
        s().DominoRight = static_cast<Integer>(n);
        s().GameRightArray(n, 2) = s().GameRightArray(n - 1, 3);
        s().GameRightArray(n, 3) = static_cast<Integer>((n + 3) % 7);
        window.clearHistory();
        engine.CheckingRight();
    }
    EXPECT_TRUE(window.halves.empty());
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_EQ(rightRect(s(), 22), rightRect(s(), 20));
    EXPECT_EQ(rightRect(s(), 21), rightRect(s(), 20));
}

} // namespace
} // namespace pipwright::testing
