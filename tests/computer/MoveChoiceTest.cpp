#include "computer/MoveChoice.h"

#include "DealtHand.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <utility>

namespace pipwright {

void PrintTo(const Move& m, std::ostream* os) {
    *os << m.rule << ": slot " << m.slot << (m.end == End::Left ? " left " : " right ") << m.inner
        << "-" << m.outer;
}

void PrintTo(const SetChoice& c, std::ostream* os) {
    *os << "slot " << c.slot << " step " << static_cast<int>(c.step);
}

namespace {

using Dominoes = std::initializer_list<std::pair<int, int>>;

struct Hand {
    HandTable slots;
    int count = 0;
    Hand(Dominoes dominoes) : count(dealHand(slots, dominoes)) {}
    HandView view() const { return HandView{slots, count}; }
};

LineEnds ends(std::pair<int, int> left, std::pair<int, int> right) {
    return LineEnds{left.second, left.first, right.second, right.first};
}

struct MoveCase {
    const char* name = "";
    bool expert = false;
    Dominoes mine;
    Dominoes theirs;
    LineEnds ends;
    std::optional<Move> expected;
};

TEST(MoveChoice, ScansInOrder) {
    // Ends as the domino lying there, inner half first.
    // clang-format off
    const MoveCase cases[] = {
        {"double scores against a double end", true, {{5, 5}}, {},
         ends({1, 5}, {0, 0}), Move{1, End::Left, 5, 5, "1a"}},
        {"ends adding to 0 score", true, {{0, 0}}, {},
         ends({4, 0}, {0, 0}), Move{1, End::Left, 0, 0, "1a"}},
        {"double scores counting the other end once", true, {{0, 0}}, {},
         ends({2, 0}, {3, 0}), Move{1, End::Left, 0, 0, "2a"}},
        {"single scores against a double end", true, {{2, 3}}, {},
         ends({5, 2}, {1, 1}), Move{1, End::Left, 2, 3, "3a"}},
        {"single scores against a plain end", true, {{1, 2}}, {},
         ends({5, 1}, {0, 3}), Move{1, End::Left, 1, 2, "4a"}},
        {"scan 3 runs over the whole hand before scan 4", true, {{1, 3}, {2, 3}}, {},
         ends({5, 2}, {1, 1}), Move{2, End::Left, 2, 3, "3a"}},
        {"novice ignores the score", false, {{3, 6}, {1, 2}}, {},
         ends({5, 1}, {0, 3}), Move{1, End::Right, 3, 6, "7c"}},
        {"expert takes the score", true, {{3, 6}, {1, 2}}, {},
         ends({5, 1}, {0, 3}), Move{2, End::Left, 1, 2, "4a"}},
        {"no score, the other side holds no 4: block", true, {{4, 3}}, {{1, 1}, {2, 5}},
         ends({1, 3}, {5, 2}), Move{1, End::Left, 3, 4, "5b"}},
        {"no score, the other side holds a 4: first fit", true, {{4, 3}}, {{1, 1}, {2, 4}},
         ends({1, 3}, {5, 2}), Move{1, End::Left, 3, 4, "7b"}},
        {"an answer found by 5a also rules out 5d", true, {{3, 6}}, {{2, 6}},
         ends({0, 3}, {1, 6}), Move{1, End::Left, 3, 6, "7a"}},
        {"no answer to the 6: block on the left", true, {{3, 6}}, {{2, 3}},
         ends({0, 3}, {1, 6}), Move{1, End::Left, 3, 6, "5a"}},
        {"novice prefers a fitting double", false, {{2, 6}, {6, 6}, {1, 4}}, {},
         ends({0, 1}, {3, 6}), Move{2, End::Right, 6, 6, "6b"}},
        {"novice takes the lowest slot, then the left end", false, {{5, 1}, {1, 3}}, {},
         ends({0, 1}, {2, 5}), Move{1, End::Left, 1, 5, "7b"}},
        {"nothing fits", true, {{2, 2}, {3, 4}}, {},
         ends({0, 1}, {6, 5}), std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Hand mine(c.mine), theirs(c.theirs);
        EXPECT_EQ(chooseMove(mine.view(), theirs.view(), c.ends, c.expert), c.expected);
    }
}

TEST(MoveChoice, AfterADrawOnlyTheFirstFitCounts) {
    Hand mine({{2, 5}, {5, 5}});
    LineEnds e = ends({0, 5}, {1, 0});
    EXPECT_EQ(chooseAfterDraw(mine.view(), e), (Move{1, End::Left, 5, 2, "7b"}));
    EXPECT_EQ(chooseMove(mine.view(), Hand({}).view(), e, false), (Move{2, End::Left, 5, 5, "6a"}));
}

struct SetCase {
    const char* name = "";
    bool expert = false;
    Dominoes mine;
    Dominoes theirs;
    SetChoice expected;
};

TEST(MoveChoice, SetDominoSteps) {
    const Dominoes noFiveNoDouble{{1, 2}, {1, 3}, {2, 4}, {3, 6}, {0, 1}, {2, 5}};
    // clang-format off
    const SetCase cases[] = {
        {"expert sets a total of 5", true, {{6, 6}, {2, 3}}, {}, {2, SetStep::FiveOrTen}},
        {"expert sets a total of 10", true, {{1, 2}, {4, 6}}, {}, {2, SetStep::FiveOrTen}},
        {"novice sets the heaviest double", false, {{2, 3}, {1, 1}, {4, 4}, {2, 2}}, {},
         {3, SetStep::HeaviestDouble}},
        {"a 0-0 counts as a double", false, {{1, 2}, {0, 0}}, {}, {2, SetStep::HeaviestDouble}},
        {"expert sets what the other side cannot answer", true, {{1, 2}, {4, 5}},
         {{1, 3}, {2, 6}}, {2, SetStep::Unanswerable}},
        // Chance decides, and the largest fraction reaches the last slot.
        {"novice falls back to chance", false, noFiveNoDouble, {}, {6, SetStep::Random}},
        {"expert falls back to chance", true, noFiveNoDouble, {{1, 4}, {2, 3}, {6, 5}, {0, 2}},
         {6, SetStep::Random}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Hand mine(c.mine), theirs(c.theirs);
        ScriptedRandom random;
        random.push(0.9999);
        EXPECT_EQ(chooseSetDomino(mine.view(), theirs.view(), c.expert, random), c.expected);
        EXPECT_EQ(random.pending(), c.expected.step == SetStep::Random ? 0u : 1u);
    }
}

} // namespace
} // namespace pipwright
