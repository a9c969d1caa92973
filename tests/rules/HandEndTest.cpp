// How hands end: who wins, the award, the totals, the game's end and who
// leads next, for each preset.
#include "TableSetup.h"
#include "rules/Audit.h"

#include <gtest/gtest.h>

namespace pipwright::rules {
namespace {

struct EndCase {
    const char* name;
    RuleSet rules;
    std::vector<std::string> hands;
    int turn, passes, leader;
    std::array<int, MaxSeats> scores;
    Move move;
    HandEnd how;
    int winner, award;
    std::vector<int> totals;
    int nextLeader; // NoSeat when the game is over
};

RuleSet opponentsOnly(RuleSet rules) {
    rules.award = Award::OpponentsHands;
    return rules;
}

TEST(HandEnd, WinnerAwardTotalsAndNextLeader) {
    const RuleSet partners = presetRules(Preset::Partners, 4, true);
    const Move pass = Move::pass();
    const Move outOnLeft = Move::lay(Domino::of(5, 6), End::Left);
    // The line is 6-6 alone; hands without a six are stuck.
    const EndCase cases[] = {
        {"partners: going out takes every hand's pips",
         partners,
         {"5-6", "1-2", "0-0 0-1", "4-4"},
         0,
         0,
         3,
         {},
         outOnLeft,
         HandEnd::Out,
         0,
         12,
         {12, 0},
         0},
        {"partners: or the opponents' only",
         opponentsOnly(partners),
         {"5-6", "1-2", "0-0 0-1", "4-4"},
         0,
         0,
         3,
         {},
         outOnLeft,
         HandEnd::Out,
         0,
         11,
         {11, 0},
         0},
        {"partners blocked: the single lowest hand's side",
         partners,
         {"1-2", "0-1", "3-4", "5-5"},
         3,
         3,
         0,
         {},
         pass,
         HandEnd::Blocked,
         1,
         21,
         {0, 21},
         1},
        {"partners blocked: partners sharing the lowest win",
         partners,
         {"1-2", "4-5", "0-3", "5-5"},
         3,
         3,
         1,
         {},
         pass,
         HandEnd::Blocked,
         0,
         25,
         {25, 0},
         0},
        {"partners blocked: two sides sharing the lowest, the same leader",
         partners,
         {"1-2", "0-3", "4-5", "5-5"},
         3,
         3,
         2,
         {},
         pass,
         HandEnd::Blocked,
         NoSeat,
         0,
         {0, 0},
         2},
        {"partners: the award that reaches the target ends the game",
         partners,
         {"5-6", "1-2", "0-0 0-1", "4-4"},
         0,
         0,
         0,
         {190, 150},
         outOnLeft,
         HandEnd::Out,
         0,
         12,
         {202, 150},
         NoSeat},
        {"block for three: the losers' pips less the winner's",
         presetRules(Preset::Block, 3),
         {"0-5", "4-5 0-1", "5-5 4-4 0-2"},
         2,
         2,
         0,
         {},
         pass,
         HandEnd::Blocked,
         0,
         25,
         {25, 0, 0},
         0},
        {"block: no rounding",
         presetRules(Preset::Block, 2),
         {"5-6", "5-5 0-2"},
         0,
         0,
         1,
         {},
         outOnLeft,
         HandEnd::Out,
         0,
         12,
         {12, 0},
         0},
        {"block: 100 reached with the hand",
         presetRules(Preset::Block, 2),
         {"5-6", "5-5 0-2"},
         0,
         0,
         1,
         {95, 40},
         outOnLeft,
         HandEnd::Out,
         0,
         12,
         {107, 40},
         NoSeat},
        {"block in partnerships: the lowest hand's side holds more, an award of 0",
         presetRules(Preset::Block, 4, true),
         {"1-2", "0-1", "3-4", "5-5"},
         3,
         3,
         0,
         {},
         pass,
         HandEnd::Blocked,
         1,
         0,
         {0, 0},
         1},
        {"all fives: 12 rounds down to 10",
         presetRules(Preset::AllFives, 2),
         {"5-6", "5-5 0-2"},
         0,
         0,
         1,
         {},
         outOnLeft,
         HandEnd::Out,
         0,
         10,
         {10, 0},
         0},
        {"all fives: 13 rounds up to 15",
         presetRules(Preset::AllFives, 2),
         {"5-6", "5-5 1-2"},
         0,
         0,
         1,
         {},
         outOnLeft,
         HandEnd::Out,
         0,
         15,
         {15, 0},
         0},
        {"all fives blocked: 20 against 27 gives 5",
         presetRules(Preset::AllFives, 2),
         {"5-5 1-4 0-5", "4-5 4-4 3-3 1-3"},
         1,
         1,
         1,
         {},
         pass,
         HandEnd::Blocked,
         0,
         5,
         {5, 0},
         0},
        {"all fives blocked on equal pips: nobody, the same leader",
         presetRules(Preset::AllFives, 2),
         {"1-4", "2-3"},
         1,
         1,
         1,
         {},
         pass,
         HandEnd::Blocked,
         NoSeat,
         0,
         {0, 0},
         1},
        {"fives and threes: 1 for going out, the lead passes on",
         presetRules(Preset::FivesAndThrees, 3),
         {"5-6", "1-2", "0-0"},
         0,
         0,
         2,
         {},
         outOnLeft,
         HandEnd::Out,
         0,
         1,
         {1, 0, 0},
         0},
        {"fives and threes blocked: nothing, the lead passes on",
         presetRules(Preset::FivesAndThrees, 2),
         {"0-1", "4-5"},
         1,
         1,
         0,
         {},
         pass,
         HandEnd::Blocked,
         NoSeat,
         0,
         {0, 0},
         1},
        {"fives and threes exactly 61: reached by the point for going out",
         [] {
             RuleSet r = presetRules(Preset::FivesAndThrees, 2);
             r.exactTarget = true;
             return r;
         }(),
         {"5-6", "1-2"},
         0,
         0,
         0,
         {60, 0},
         outOnLeft,
         HandEnd::Out,
         0,
         1,
         {61, 0},
         NoSeat},
    };
    for (const EndCase& c : cases) {
        TableSetup setup{c.rules,  c.hands, {{"6-6", End::First}}, "", c.scores, c.turn,
                         c.passes, c.leader};
        Game game = tableAt(setup);
        const Outcome outcome = game.apply(c.move);
        ASSERT_TRUE(outcome.accepted()) << c.name << ": " << describe(outcome.refusal);
        const HandEnded* ended = nullptr;
        for (const Event& e : outcome)
            if (const auto* h = std::get_if<HandEnded>(&e))
                ended = h;
        ASSERT_NE(ended, nullptr) << c.name;
        EXPECT_EQ(ended->how, c.how) << c.name;
        EXPECT_EQ(ended->winner, c.winner) << c.name;
        EXPECT_EQ(ended->award, c.award) << c.name;
        for (std::size_t side = 0; side < c.totals.size(); ++side)
            EXPECT_EQ(game.score(static_cast<int>(side)), c.totals[side]) << c.name;
        if (c.nextLeader == NoSeat) {
            EXPECT_EQ(game.phase(), Phase::GameOver) << c.name;
            EXPECT_EQ(game.dealNextHand(), Refusal::GameOver) << c.name;
            continue;
        }
        ASSERT_EQ(game.phase(), Phase::HandOver) << c.name;
        ASSERT_EQ(game.dealNextHand(), Refusal::None) << c.name;
        EXPECT_EQ(game.leader(), c.nextLeader) << c.name;
        EXPECT_EQ(game.turn(), c.nextLeader) << c.name;
        EXPECT_FALSE(game.requiredLead().has_value()) << c.name << ": later hands lead anything";
    }
}

// The first hand's lead, over many deals of each preset and seat count.
TEST(HandEnd, FirstLeadFollowsThePreset) {
    for (const PresetInfo& info : presets())
        for (int seats = info.minSeats; seats <= info.maxSeats; ++seats)
            for (std::uint64_t seed = 1; seed <= 200; ++seed) {
                const Game game(presetRules(info.preset, seats, info.preset == Preset::Partners),
                                seed);
                ASSERT_EQ(Audit::atStart(game), "") << info.name << " seats " << seats;
                const MoveList moves = game.legalMoves(game.leader());
                if (info.preset == Preset::Partners) {
                    ASSERT_EQ(moves.size(), 1);
                    EXPECT_EQ(moves[0], Move::lay(Domino::of(6, 6), End::First));
                }
                if (game.requiredLead()) {
                    EXPECT_EQ(moves.size(), 1) << info.name;
                }
            }
}

} // namespace
} // namespace pipwright::rules
