#include "game/DominoCensus.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace pipwright::testing {
namespace {

using Slot = std::pair<int, int>;

HandTable tableOf(const std::vector<Slot>& slots) {
    HandTable t;
    t.fill(NoHalf);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        t(i + 1, 1) = static_cast<Integer>(slots[i].first);
        t(i + 1, 2) = static_cast<Integer>(slots[i].second);
    }
    return t;
}

// The whole set, every domino once, in an order that puts doubles, reversed
// halves and the highest bits in every position of a group of four.
std::vector<Slot> wholeSet() {
    std::vector<Slot> set;
    for (int a = 6; a >= 0; --a)
        for (int b = 0; b <= a; ++b)
            set.emplace_back((a + b) % 2 != 0 ? std::pair{a, b} : std::pair{b, a});
    return set;
}

struct Split {
    std::vector<Slot> boneYard, player, computer;
};

// The set dealt over the BoneYard and both hands, boneYard slots first.
Split deal(std::vector<Slot> set, int boneYard, int player) {
    Split s;
    s.boneYard.assign(set.begin(), set.begin() + boneYard);
    s.player.assign(set.begin() + boneYard, set.begin() + boneYard + player);
    s.computer.assign(set.begin() + boneYard + player, set.end());
    return s;
}

DominoCensus countOf(const Split& s) {
    DominoCensus census;
    census.addSlots(tableOf(s.boneYard), static_cast<int>(s.boneYard.size()));
    census.addSlots(tableOf(s.player), static_cast<int>(s.player.size()));
    census.addSlots(tableOf(s.computer), static_cast<int>(s.computer.size()));
    return census;
}

TEST(DominoCensus, FindsTheWholeSetHoweverItIsDealt) {
    for (auto [boneYard, player] : {std::pair{28, 0}, std::pair{0, 28}, std::pair{14, 7},
                                    std::pair{13, 9}, std::pair{1, 18}, std::pair{27, 1}}) {
        const DominoCensus census = countOf(deal(wholeSet(), boneYard, player));
        EXPECT_TRUE(census.whole()) << boneYard << " in the BoneYard, " << player << " held";
        EXPECT_EQ(census.distinct(), SetSize);
    }
}

TEST(DominoCensus, CatchesWhatIsWrong) {
    struct Case {
        const char* name;
        void (*spoil)(Split&);
        bool sound;
        int distinct;
    };
    const Case cases[] = {
        {"one domino missing",
         [](Split& s) {
             s.boneYard[5] = {NoHalf, NoHalf};
         },
         true, 27},
        {"twice in one group of four", [](Split& s) { s.boneYard[1] = s.boneYard[2]; }, false, 27},
        {"twice in different groups", [](Split& s) { s.boneYard[0] = s.boneYard[9]; }, false, 27},
        {"twice in different places", [](Split& s) { s.player[0] = s.boneYard[3]; }, false, 27},
        {"twice, halves reversed",
         [](Split& s) {
             s.computer[0] = {s.boneYard[3].second, s.boneYard[3].first};
         },
         false, 27},
        {"the highest domino twice",
         [](Split& s) {
             s.player[1] = {6, 6};
         },
         false, 27},
        {"half-empty slot", [](Split& s) { s.player[2].first = NoHalf; }, false, 27},
        {"half-empty slot, other half", [](Split& s) { s.computer[6].second = NoHalf; }, false, 27},
        {"negative half", [](Split& s) { s.boneYard[4].first = -1; }, false, -1},
        {"half of 8", [](Split& s) { s.player[0].second = 8; }, false, -1},
    };
    for (const Case& c : cases) {
        Split s = deal(wholeSet(), 14, 7);
        c.spoil(s);
        const DominoCensus census = countOf(s);
        EXPECT_EQ(census.sound(), c.sound) << c.name;
        EXPECT_FALSE(census.whole()) << c.name;
        if (c.distinct >= 0) {
            EXPECT_EQ(census.distinct(), c.distinct) << c.name;
        }
    }
}

TEST(DominoCensus, CountsOnlyTheSlotsInUse) {
    const std::vector<Slot> set = wholeSet();
    for (int count : {0, 1, 3, 4, 5, 27}) {
        // Behind the used slots: repeats, a half-empty slot, out-of-range halves.
        std::vector<Slot> slots(set.begin(), set.begin() + count);
        slots.insert(slots.end(), {set[0], {3, NoHalf}, {-4, 9}, set[0]});
        slots.resize(SetSize, set[1]);
        DominoCensus census;
        census.addSlots(tableOf(slots), count);
        EXPECT_TRUE(census.sound()) << count;
        EXPECT_EQ(census.distinct(), count);
    }
}

TEST(DominoCensus, TakesLaidDominoesEitherWayRound) {
    std::vector<Slot> set = wholeSet();
    std::erase_if(set, [](Slot d) { return d == Slot{2, 5} || d == Slot{5, 2}; });
    DominoCensus census = countOf(deal(set, 20, 6));
    EXPECT_FALSE(census.addLaid(NoHalf, 2));
    EXPECT_FALSE(census.addLaid(3, -1));
    EXPECT_TRUE(census.addLaid(5, 2));
    EXPECT_TRUE(census.whole());
    EXPECT_TRUE(census.addLaid(2, 5));
    EXPECT_FALSE(census.sound());
}

} // namespace
} // namespace pipwright::testing
