// Legal moves, refusals that change nothing, what a seat sees, and the
// choices each preset allows.
#include "TableSetup.h"

#include <gtest/gtest.h>

namespace pipwright::rules {
namespace {

struct RefusalCase {
    const char* name;
    Preset preset;
    std::string hand;
    std::vector<std::pair<std::string, End>> line;
    std::string boneYard;
    Move move;
    Refusal refusal;
};

TEST(Moves, RefusedWithAReasonAndNothingChanged) {
    const std::vector<std::pair<std::string, End>> sixes = {{"6-6", End::First}};
    const Domino oneTwo = Domino::of(1, 2), sixOne = Domino::of(1, 6);
    const RefusalCase cases[] = {
        {"a domino not held", Preset::Block, "1-2 1-6", sixes, "",
         Move::lay(Domino::of(0, 0), End::Left), Refusal::NotHeld},
        {"a domino that does not match", Preset::Block, "1-2 1-6", sixes, "",
         Move::lay(oneTwo, End::Left), Refusal::DoesNotMatch},
        {"first on a started line", Preset::Block, "1-2 1-6", sixes, "",
         Move::lay(sixOne, End::First), Refusal::LineStarted},
        {"an end on an empty line",
         Preset::Block,
         "1-2 1-6",
         {},
         "",
         Move::lay(oneTwo, End::Left),
         Refusal::NotFirst},
        {"a pass with a domino that fits", Preset::Block, "1-2 1-6", sixes, "", Move::pass(),
         Refusal::CanLay},
        {"a draw with a domino that fits", Preset::Draw, "1-2 1-6", sixes, "0-0", Move::draw(),
         Refusal::CanLay},
        {"a draw where the rules pass", Preset::Block, "1-2", sixes, "", Move::draw(),
         Refusal::RulesPass},
        {"a pass with dominoes to draw", Preset::Draw, "1-2", sixes, "0-0", Move::pass(),
         Refusal::MustDraw},
        {"a draw from an empty BoneYard", Preset::AllFives, "1-2", sixes, "", Move::draw(),
         Refusal::BoneYardEmpty},
        {"a domino with impossible halves", Preset::Block, "1-2 1-6", sixes, "",
         Move::lay(Domino{5, 9}, End::Left), Refusal::NotHeld},
    };
    for (const RefusalCase& c : cases) {
        Game game = tableAt({presetRules(c.preset, 2), {c.hand, "3-4"}, c.line, c.boneYard, {}, 0});
        const Game before = game;
        EXPECT_FALSE(game.legalMoves(0).contains(c.move)) << c.name;
        const Outcome outcome = game.apply(c.move);
        EXPECT_EQ(outcome.refusal, c.refusal) << c.name;
        EXPECT_EQ(outcome.size(), 0) << c.name;
        EXPECT_TRUE(game == before) << c.name;
    }
}

TEST(Moves, TheFirstLeadAndTheHandsEnd) {
    Game game(presetRules(Preset::Partners, 4, true), 11);
    const int leader = game.leader();
    const Domino other = *(game.hand(leader).without(setOf("6-6"))).begin();
    EXPECT_EQ(game.apply(Move::lay(other, End::First)).refusal, Refusal::MustLead);
    EXPECT_EQ(game.dealNextHand(), Refusal::HandInPlay);
    EXPECT_TRUE(game.legalMoves((leader + 1) % 4).empty()) << "only the seat to play moves";

    Game over = tableAt({presetRules(Preset::Block, 2), {"5-6", "1-2"}, {{"6-6", End::First}}});
    ASSERT_TRUE(over.apply(Move::lay(Domino::of(5, 6), End::Left)).accepted());
    EXPECT_EQ(over.apply(Move::pass()).refusal, Refusal::HandOver);
    EXPECT_TRUE(over.legalMoves(over.turn()).empty());
}

TEST(Moves, AnEndOfEqualHalvesOffersBothEnds) {
    // Left 3-3 (a double, counting 6) and right 3: 3-5 left or right leaves different counts.
    Game game = tableAt(
        {presetRules(Preset::AllFives, 2),
         {"3-5", "0-0"},
         {{"3-3", End::First}, {"1-3", End::Right}, {"1-2", End::Right}, {"2-3", End::Right}}});
    const MoveList moves = game.legalMoves(0);
    ASSERT_EQ(moves.size(), 2);
    EXPECT_EQ(moves[0], Move::lay(Domino::of(3, 5), End::Left));
    EXPECT_EQ(moves[1], Move::lay(Domino::of(3, 5), End::Right));
}

TEST(Moves, ASeatSeesOnlyItsOwnDraws) {
    Game game =
        tableAt({presetRules(Preset::Draw, 2), {"1-2", "3-4"}, {{"6-6", End::First}}, "0-0 5-6"});
    game.keepRecord(true);
    ASSERT_TRUE(game.apply(Move::draw()).accepted());
    const SeatView mine = game.view(0), theirs = game.view(1);
    ASSERT_EQ(mine.record.size(), 1u);
    EXPECT_TRUE(mine.record[0].dominoShown);
    EXPECT_EQ(mine.record[0].domino, Domino::of(0, 0));
    EXPECT_FALSE(theirs.record[0].dominoShown);
    EXPECT_EQ(theirs.record[0].domino, Domino{});
    EXPECT_EQ(theirs.hand, setOf("3-4"));
    EXPECT_EQ(theirs.handCounts[0], 2);
    EXPECT_EQ(theirs.boneYardCount, 1);
    EXPECT_EQ(theirs.record[0].left.open, 6);
}

struct ChoiceCase {
    const char* name = "";
    Preset preset = Preset::Partners;
    Choices choices;
    bool allowed = false;
    int dealEach = 0;
};

TEST(Presets, ChoicesOpenAndClosed) {
    const ChoiceCase cases[] = {
        {"partners seat four", Preset::Partners, {.seats = 3}, false, 0},
        {"partners to 150", Preset::Partners, {.target = 150}, true, 7},
        {"partners to 120", Preset::Partners, {.target = 120}, false, 0},
        {"partners, the opponents' pips", Preset::Partners, {.opponentsOnly = true}, true, 7},
        {"block has one target", Preset::Block, {.target = 150}, false, 0},
        {"block for three deals seven", Preset::Block, {.seats = 3}, true, 7},
        {"block in partnerships", Preset::Block, {.seats = 4, .partners = true}, true, 7},
        {"partnerships need four", Preset::Block, {.seats = 3, .partners = true}, false, 0},
        {"draw for three deals five", Preset::Draw, {.seats = 3}, true, 5},
        {"draw for five", Preset::Draw, {.seats = 5}, false, 0},
        {"fives and threes exactly", Preset::FivesAndThrees, {.exactTarget = true}, true, 7},
        {"all fives has no exact target", Preset::AllFives, {.exactTarget = true}, false, 0},
        {"all fives, no opponents' award", Preset::AllFives, {.opponentsOnly = true}, false, 0},
    };
    for (const ChoiceCase& c : cases) {
        const ChosenRules chosen = choose(c.preset, c.choices);
        ASSERT_EQ(chosen.rules.has_value(), c.allowed) << c.name;
        EXPECT_EQ(chosen.refusal.empty(), c.allowed) << c.name;
        if (c.allowed) {
            EXPECT_EQ(chosen.rules->dealEach, c.dealEach) << c.name;
            EXPECT_EQ(whyUnplayable(*chosen.rules), "") << c.name;
        }
    }
    for (const PresetInfo& info : presets()) {
        EXPECT_EQ(presetNamed(info.name), info.preset);
        EXPECT_EQ(whyUnplayable(info.defaults), "") << info.name;
    }
    RuleSet bad = presetInfo(Preset::Draw).defaults;
    bad.seats = 4;
    bad.dealEach = 8;
    EXPECT_THROW(Game(bad, 1), std::invalid_argument);
}

} // namespace
} // namespace pipwright::rules
