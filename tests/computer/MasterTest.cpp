#include "DealtHand.h"
#include "computer/ComputerPlayer.h"
#include "computer/HiddenHand.h"
#include "computer/Hint.h"
#include "game/Engine.h"
#include "tests/support/FakeWindow.h"

#include <bit>
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>
#include <vector>

namespace pipwright {
namespace {

using Dominoes = std::vector<std::pair<int, int>>;

// A table in play: the Set Domino a-b (a open on the left, b on the right),
// both hands and the BoneYard dealt as given.
struct Table {
    FakeWindow window;
    ScriptedRandom random{5};
    Engine engine{window, random};
    ComputerPlayer computer{engine};
    GameState& s = engine.state();

    Table(std::pair<int, int> set, const Dominoes& computerHand, const Dominoes& playerHand,
          const Dominoes& boneYard) {
        engine.setComputer(&computer);
        engine.Form_Load(Metrics{});
        s.PlayerName = "Tester";
        s.PlayerScore = Variant::integer(0);
        s.PlayLevel = True;
        s.MasterLevel = True;
        s.ComputerDom = dealHand(s.ComputerArray, computerHand);
        s.Playerdom = dealHand(s.PlayerArray, playerHand);
        s.BoneYardArray.fill(NoHalf);
        for (std::size_t k = 0; k < boneYard.size(); ++k) {
            s.BoneYardArray(k + 1, 1) = static_cast<Integer>(boneYard[k].first);
            s.BoneYardArray(k + 1, 2) = static_cast<Integer>(boneYard[k].second);
        }
        const auto [a, b] = set;
        s.startLine(a, b);
        engine.TheSetDomino();
    }
};

// The dominoes of the set that are neither in the hand nor the Set Domino.
Dominoes unseenBy(const Dominoes& hand, std::pair<int, int> set) {
    Dominoes unseen;
    for (int a = 0; a <= 6; ++a)
        for (int b = a; b <= 6; ++b) {
            bool seen = std::pair{a, b} == set || std::pair{b, a} == set;
            for (auto d : hand)
                seen |= d == std::pair{a, b} || d == std::pair{b, a};
            if (!seen)
                unseen.push_back({a, b});
        }
    return unseen;
}

TEST(Master, DecidesTheSameWhateverThePlayersUnseenDominoesAre) {
    const std::pair set{3, 4};
    const Dominoes mine{{3, 5}, {4, 6}, {1, 3}, {4, 4}, {2, 2}, {0, 4}};
    Dominoes unseen = unseenBy(mine, set);
    // Two deals of the same unseen dominoes: the player's seven from the
    // front of the list in one, from the back in the other.
    const Dominoes front(unseen.begin(), unseen.begin() + 7);
    const Dominoes rest(unseen.begin() + 7, unseen.end());
    const Dominoes back(unseen.end() - 7, unseen.end());
    const Dominoes others(unseen.begin(), unseen.end() - 7);
    Table one(set, mine, front, rest);
    Table two(set, mine, back, others);
    for (Table* table : {&one, &two}) {
        // The player drew once and passed once: public, and the same on both.
        table->engine.record(TableEvent::Kind::Drew, Seat::Player);
        table->engine.record(TableEvent::Kind::Passed, Seat::Player);
    }
    ASSERT_NE(one.s.PlayerArray, two.s.PlayerArray);
    EXPECT_EQ(one.engine.tableView(Seat::Computer), two.engine.tableView(Seat::Computer));

    for (Table* table : {&one, &two}) {
        table->s.GameStatus = Phase::ComputersTurn;
        table->computer.GameStatus4();
    }
    EXPECT_EQ(one.s.DominoRight + one.s.Dominoleft.toLong(), 3);
    EXPECT_EQ(one.s.DominoRight, two.s.DominoRight);
    EXPECT_EQ(one.s.gameleftarray, two.s.gameleftarray);
    EXPECT_EQ(one.s.GameRightArray, two.s.GameRightArray);
    EXPECT_EQ(one.s.ComputerArray, two.s.ComputerArray);
}

TEST(Master, ADrawOrPassRulesOutTheEndsForTheDominoesHeldThen) {
    // The player began with seven, drew twice on ends 3 and 4, and laid 4-6,
    // the domino that let him play: one domino in his hand may hold a 3 or 4.
    TableView view;
    view.seat = Seat::Computer;
    view.hand = {{1, 0, 0}, {2, 1, 1}};
    view.L = 3, view.L2 = 6, view.R = 6, view.R2 = 4;
    view.line = {{3, 6}, {4, 6}};
    view.otherCount = 8;
    view.boneYardCount = 28 - 2 - 2 - 8;
    const TableEvent drew{TableEvent::Kind::Drew, Seat::Player, 0, 0, 3, 4};
    view.history = {drew, drew, {TableEvent::Kind::Laid, Seat::Player, 4, 6, 3, 4}};

    const master::HiddenHand hidden = master::inferHiddenHand(view);
    const master::DominoSet unseen = master::unseenDominoes(view);
    const master::DominoSet threesAndFours = master::touching(3) | master::touching(4);
    master::SearchRandom random(9);
    for (int k = 0; k < 200; ++k) {
        const master::Deal deal = master::dealUnseen(unseen, hidden, random);
        ASSERT_EQ(std::popcount(deal.other), 8);
        ASSERT_EQ(deal.boneYardCount, view.boneYardCount);
        EXPECT_LE(std::popcount(deal.other & threesAndFours), 1);
    }
}

struct HintCase {
    const char* name;
    Dominoes hand;
    Dominoes boneYard;
    Integer phase;
    long selected; // PlayerClicked afterwards
    const char* message;
};

void PrintTo(const HintCase& c, std::ostream* out) {
    *out << c.name;
}

class Hint : public testing::TestWithParam<HintCase> {};

// The ends are 5 and 0 and the player needs 10 to reach 200: the double 5-5
// on the left wins the game.
TEST_P(Hint, SelectsLikeAClickAndSaysWhatToDo) {
    const HintCase& c = GetParam();
    Table table({5, 0}, {{6, 6}, {2, 3}}, c.hand, c.boneYard);
    table.s.PlayerScore = Variant::integer(190);
    table.s.GameStatus = c.phase;
    table.s.PlayerClicked = Variant::integer(0);
    table.engine.say(Text::verbatim("Tester, before"));
    showHint(table.engine, table.computer.masterSeeds());
    EXPECT_EQ(table.s.PlayerClicked.toLong(), c.selected);
    EXPECT_EQ(table.window.message, std::string("Tester") + c.message);
    EXPECT_EQ(table.s.GameStatus, c.phase);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, Hint,
    testing::Values(
        HintCase{"WinningDouble",
                 {{0, 1}, {5, 5}, {6, 1}},
                 {{2, 2}},
                 Phase::PlayersTurn,
                 2,
                 ", Hint: Play the selected Domino on the Left End.."},
        HintCase{"OnlyTheRightEnd",
                 {{6, 1}, {0, 3}},
                 {{2, 2}},
                 Phase::PlayersTurn,
                 2,
                 ", Hint: Play the selected Domino on the Right End.."},
        HintCase{"Draw",
                 {{6, 1}, {2, 4}},
                 {{2, 2}},
                 Phase::PlayersTurn,
                 0,
                 ", Hint: Draw a Domino from the BoneYard.."},
        HintCase{"CantPlay",
                 {{6, 1}, {2, 4}},
                 {},
                 Phase::PlayersTurn,
                 0,
                 ", Hint: No Domino fits, press Can't Play.."},
        HintCase{
            "NotThePlayersTurn", {{0, 1}, {5, 5}}, {{2, 2}}, Phase::ComputersTurn, 0, ", before"}),
    [](const testing::TestParamInfo<HintCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace pipwright

namespace pipwright {
namespace {

// The Master's lay, its Set Domino and the hint search from a generator of
// their own: the game's deals and draws stay as they were.
TEST(Master, DrawsNothingFromTheGamesGenerator) {
    for (Integer phase : {Phase::ComputersTurn, Phase::SetDomino, Phase::PlayersTurn}) {
        Table t({5, 0}, {{5, 1}, {0, 2}, {6, 6}}, {{5, 3}, {0, 4}}, {{1, 1}});
        t.s.GameStatus = phase;
        ScriptedRandom untouched = t.random;
        if (phase == Phase::ComputersTurn)
            t.computer.GameStatus4();
        else if (phase == Phase::SetDomino)
            t.computer.ComputerSetDomino();
        else
            EXPECT_NE(showHint(t.engine, t.computer.masterSeeds()), 0);
        EXPECT_EQ(t.s.GameStatus, Phase::PlayersTurn) << "phase " << phase;
        EXPECT_EQ(t.random.Rnd(), untouched.Rnd()) << "phase " << phase;
    }
}

} // namespace
} // namespace pipwright
