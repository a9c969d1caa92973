#include "computer/table/Expert.h"
#include "rules/Presets.h"

#include <gtest/gtest.h>
#include <ostream>
#include <utility>
#include <vector>

namespace pipwright::rules {

void PrintTo(const Move& m, std::ostream* os) {
    *os << (m.kind == Move::Kind::Lay    ? "lay " + toText(m.domino)
            : m.kind == Move::Kind::Draw ? "draw"
                                         : "pass")
        << (m.end == End::Left    ? " left"
            : m.end == End::Right ? " right"
                                  : "");
}

} // namespace pipwright::rules

namespace pipwright::table {

namespace {

using rules::Domino;
using rules::End;
using rules::Move;
using rules::PublicEvent;

using Dominoes = std::vector<std::pair<int, int>>;

// Seat 0 to play at a table of two, the line 3-4 then 4-5 (ends 3 and 5).
rules::SeatView position(rules::Preset preset, const Dominoes& hand) {
    rules::SeatView view;
    view.rules = rules::presetInfo(preset).defaults;
    view.rules.seats = 2;
    view.rules.partners = false;
    view.line.lay(Domino::of(3, 4), End::First);
    view.line.lay(Domino::of(4, 5), End::Right);
    for (const auto& [a, b] : hand)
        view.hand.insert(Domino::of(a, b));
    view.handCounts = {view.hand.size(), 5, 0, 0};
    view.boneYardCount = 0;
    view.outOfPlayCount = rules::DominoCount - 2 - view.hand.size() - 5;
    return view;
}

struct ExpertCase {
    const char* name;
    rules::Preset preset;
    Dominoes hand;
    std::vector<std::pair<int, int>> passedOn; // ends seat 1 passed on
    Move expected;
};

void PrintTo(const ExpertCase& c, std::ostream* out) {
    *out << c.name;
}

class ExpertChoice : public testing::TestWithParam<ExpertCase> {};

TEST_P(ExpertChoice, PlaysAsAClubPlayer) {
    const ExpertCase& c = GetParam();
    rules::SeatView view = position(c.preset, c.hand);
    for (const auto& [left, right] : c.passedOn) {
        PublicEvent pass;
        pass.kind = PublicEvent::Kind::Passed;
        pass.seat = 1;
        pass.left = {left, false};
        pass.right = {right, false};
        view.record.push_back(pass);
    }
    for (std::uint64_t seed : {1u, 2u})
        EXPECT_EQ(chooseExpertMove(view, seed), c.expected) << c.name;
}

// On ends 3 and 5: 0-3 on 3 makes 5, 3-4 on 3 makes 9 (three in Fives and
// Threes), 5-6 sheds the most pips.
const ExpertCase Cases[] = {
    {"all fives takes the five",
     rules::Preset::AllFives,
     {{0, 3}, {2, 3}, {1, 1}},
     {},
     Move::lay(Domino::of(0, 3), End::Left)},
    {"fives and threes takes the nine",
     rules::Preset::FivesAndThrees,
     {{0, 3}, {3, 4}, {5, 6}, {1, 1}},
     {},
     Move::lay(Domino::of(3, 4), End::Left)},
    {"block sheds the heaviest",
     rules::Preset::Block,
     {{0, 3}, {3, 4}, {5, 6}, {1, 1}},
     {},
     Move::lay(Domino::of(5, 6), End::Right)},
    {"block keeps the next seat shut out",
     rules::Preset::Block,
     {{1, 3}, {2, 3}, {0, 0}},
     {{1, 3}, {3, 5}},
     Move::lay(Domino::of(1, 3), End::Left)},
};
INSTANTIATE_TEST_SUITE_P(Positions, ExpertChoice, testing::ValuesIn(Cases));

} // namespace

} // namespace pipwright::table
