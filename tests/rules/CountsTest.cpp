// What the open ends count and score, and what a lay adds to its side.
#include "TableSetup.h"
#include "rules/Scoring.h"

#include <gtest/gtest.h>

namespace pipwright::rules {
namespace {

struct CountCase {
    const char* name;
    std::vector<std::pair<std::string, End>> line;
    int count, allFives, fivesAndThrees;
};

TEST(Counts, OpenEndsCountAndScore) {
    const CountCase cases[] = {
        {"a lone double counts its pips once", {{"5-5", End::First}}, 10, 10, 2},
        {"a lone domino", {{"2-3", End::First}}, 5, 5, 1},
        {"blank ends add nothing", {{"0-0", End::First}}, 0, 0, 0},
        {"the first double still at an end counts both halves",
         {{"6-6", End::First}, {"3-6", End::Left}},
         15,
         15,
         8},
        {"a double at each end",
         {{"3-4", End::First}, {"3-3", End::Left}, {"4-4", End::Right}},
         14,
         0,
         0},
        {"a double beside a plain end", {{"1-2", End::First}, {"1-1", End::Left}}, 4, 0, 0},
        {"threes only", {{"6-6", End::First}, {"3-6", End::Right}, {"0-6", End::Left}}, 3, 0, 1},
        {"fives only", {{"5-5", End::First}, {"0-5", End::Right}}, 10, 10, 2},
    };
    for (const CountCase& c : cases) {
        Line line;
        for (const auto& [text, end] : c.line) {
            ASSERT_TRUE(line.fits(dominoes(text).front(), end)) << c.name;
            line.lay(dominoes(text).front(), end);
        }
        EXPECT_EQ(line.count(), c.count) << c.name;
        EXPECT_EQ(countPoints(EndsScore::MultipleOfFive, line.count()), c.allFives) << c.name;
        EXPECT_EQ(countPoints(EndsScore::FivesAndThrees, line.count()), c.fivesAndThrees) << c.name;
        EXPECT_EQ(countPoints(EndsScore::Nothing, line.count()), 0) << c.name;
    }
}

TEST(Counts, AwardsRoundToTheNearestFive) {
    const std::pair<long, long> cases[] = {{0, 0}, {12, 10}, {13, 15}, {7, 5}, {8, 10}, {25, 25}};
    for (const auto& [points, rounded] : cases)
        EXPECT_EQ(roundToFive(points), rounded) << points;
}

struct LayCase {
    const char* name;
    Preset preset;
    std::string line;
    std::string hand;
    int scoreBefore;
    Move move;
    int scored, scoreAfter;
    Phase phase;
};

TEST(Counts, ALayScoresForItsSideUpToTheTarget) {
    const Domino threeFour = Domino::of(3, 4);
    const LayCase cases[] = {
        {"fives and threes: 10 scores 2", Preset::FivesAndThrees, "3-3", "3-4 0-0", 0,
         Move::lay(threeFour, End::Right), 2, 2, Phase::Playing},
        {"exactly 61: points past it are not scored", Preset::FivesAndThrees, "3-3", "3-4 0-0", 60,
         Move::lay(threeFour, End::Right), 0, 60, Phase::Playing},
        {"exactly 61 reached ends the game at once", Preset::FivesAndThrees, "3-3", "3-4 0-0", 59,
         Move::lay(threeFour, End::Right), 2, 61, Phase::GameOver},
        {"all fives: 205 ends the game at once", Preset::AllFives, "3-3", "3-4 0-0", 195,
         Move::lay(threeFour, End::Right), 10, 205, Phase::GameOver},
        {"block: the ends score nothing", Preset::Block, "3-3", "3-4 0-0", 95,
         Move::lay(threeFour, End::Right), 0, 95, Phase::Playing},
    };
    for (const LayCase& c : cases) {
        RuleSet rules = presetRules(c.preset, 2);
        rules.exactTarget = c.preset == Preset::FivesAndThrees;
        Game game = tableAt({rules, {c.hand, "1-2"}, {{c.line, End::First}}, "", {c.scoreBefore}});
        const Outcome outcome = game.apply(c.move);
        ASSERT_TRUE(outcome.accepted()) << c.name;
        EXPECT_EQ(std::get<Laid>(outcome[0]).score, c.scored) << c.name;
        EXPECT_EQ(game.score(0), c.scoreAfter) << c.name;
        EXPECT_EQ(game.phase(), c.phase) << c.name;
        if (c.phase == Phase::GameOver) {
            ASSERT_EQ(outcome.size(), 3) << c.name;
            EXPECT_EQ(std::get<HandEnded>(outcome[1]).how, HandEnd::Target) << c.name;
            EXPECT_EQ(std::get<HandEnded>(outcome[1]).award, 0) << c.name;
            EXPECT_EQ(std::get<GameEnded>(outcome[2]).firstSeat, 0) << c.name;
        }
    }
}

} // namespace
} // namespace pipwright::rules
