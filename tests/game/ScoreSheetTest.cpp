#include "game/ScoreSheetText.h"
#include "tests/game/EngineFixture.h"

namespace pipwright::testing {
namespace {

std::vector<std::string> sheetText(const Engine& engine) {
    std::vector<std::string> lines;
    for (const SheetEntry& entry : engine.scoreSheet().entries())
        for (const Text& line : sheetLines(entry, "Ann"))
            lines.push_back(line.english());
    return lines;
}

struct LayCase {
    const char* name;
    std::pair<int, int> setDomino; // open on the left, open on the right
    std::pair<int, int> laid;
    bool left;
    const char* line; // empty: nothing scored
};

void PrintTo(const LayCase& c, std::ostream* out) {
    *out << c.name;
}

class SheetLayTest : public EngineTest, public ::testing::WithParamInterface<LayCase> {};

TEST_P(SheetLayTest, WritesTheCountOfTheEnds) {
    const LayCase c = GetParam();
    setUpTurn(c.setDomino, {c.laid, {1, 1}});
    clickHand(1);
    clickEnd(c.left);
    ASSERT_EQ(s().PlayerArray(1, 1), NoHalf) << "not laid";
    const std::vector<std::string> lines = sheetText(engine);
    if (*c.line)
        EXPECT_EQ(lines, std::vector<std::string>{c.line});
    else
        EXPECT_TRUE(lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ends, SheetLayTest,
    ::testing::Values(
        LayCase{"twoOpenHalves", {2, 5}, {2, 0}, true, "Ann laid 2-0 on the left: 0 + 5 = 5, +5"},
        LayCase{"doubleSetAtTheOtherEnd",
                {6, 6},
                {3, 6},
                true,
                "Ann laid 3-6 on the left: 3 + (6 + 6) = 15, +15"},
        LayCase{"doubleLaid",
                {3, 6},
                {6, 6},
                false,
                "Ann laid 6-6 on the right: 3 + (6 + 6) = 15, +15"},
        LayCase{"noMultipleOfFive", {2, 5}, {2, 1}, true, ""},
        LayCase{"twoBlanksCountNothing", {0, 3}, {3, 0}, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct RoundCase {
    const char* name;
    std::vector<std::pair<int, int>> playerHand, computerHand;
    long playerScore, computerScore;
    bool blocked;
    std::vector<std::string> lines;
};

void PrintTo(const RoundCase& c, std::ostream* out) {
    *out << c.name;
}

class SheetRoundTest : public EngineTest, public ::testing::WithParamInterface<RoundCase> {};

TEST_P(SheetRoundTest, WritesHowTheRoundEndedAndTheAward) {
    const RoundCase c = GetParam();
    setUpRoundEnd(c.playerHand, c.computerHand, c.playerScore, c.computerScore, c.blocked);
    engine.CheckForWin();
    EXPECT_EQ(sheetText(engine), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, SheetRoundTest,
    ::testing::Values(
        RoundCase{"outRoundsDown",
                  {},
                  {{6, 6}},
                  40,
                  0,
                  false,
                  {"Ann went out. Ann holds 0, Computer 12: 12, rounds to 10, +10 to Ann",
                   "Computer held 6-6: 12", "Totals: Ann 50, Computer 0"}},
        RoundCase{"outRoundsUp",
                  {},
                  {{6, 6}, {0, 1}},
                  40,
                  0,
                  false,
                  {"Ann went out. Ann holds 0, Computer 13: 13, rounds to 15, +15 to Ann",
                   "Computer held 6-6 and 0-1: 13", "Totals: Ann 55, Computer 0"}},
        RoundCase{"computerOutAgainstBlanks",
                  {{0, 0}},
                  {},
                  0,
                  20,
                  false,
                  {"Computer went out. Ann holds 0, Computer 0: 0, +0 to Computer",
                   "Ann held 0-0: 0", "Totals: Ann 0, Computer 20"}},
        RoundCase{"blocked",
                  {{6, 6}, {4, 4}},
                  {{6, 6}, {5, 5}, {4, 1}},
                  10,
                  10,
                  true,
                  {"Blocked. Ann holds 20, Computer 27: 7, rounds to 5, +5 to Ann",
                   "Ann held 6-6 and 4-4: 20", "Computer held 6-6, 5-5 and 4-1: 27",
                   "Totals: Ann 15, Computer 10"}},
        RoundCase{"tie",
                  {{3, 3}},
                  {{2, 4}},
                  25,
                  40,
                  true,
                  {"Blocked, a tie. Ann holds 6, Computer 6: no points", "Ann held 3-3: 6",
                   "Computer held 2-4: 6", "Totals: Ann 25, Computer 40"}},
        RoundCase{"targetMidRound",
                  {{1, 0}},
                  {{3, 3}},
                  203,
                  35,
                  false,
                  {"Ann reached 200 mid-round (203). Ann holds 1, Computer 6: 5, +5 to Ann",
                   "Ann held 1-0: 1", "Computer held 3-3: 6", "Totals: Ann 208, Computer 35",
                   "Ann wins the game, 208 to 35."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineTest, ARestartedRoundGoesBackToItsScoresAndNumber) {
    s().WinnerReStartsGame = True;
    s().plae = Variant::integer(5);
    s().clae = 3;
    s().RoundStartComputerScore = 15;
    engine.scoreSheet().beginRound();
    setUpTurn({2, 5}, {{2, 0}, {1, 1}});
    clickHand(1);
    clickEnd(true);
    engine.mnuRestartTheRound_Click();
    engine.scoreSheet().beginRound();
    EXPECT_EQ(sheetText(engine),
              (std::vector<std::string>{"Round 1", "Ann laid 2-0 on the left: 0 + 5 = 5, +5",
                                        "Round restarted, back to Ann 0, Computer 15", "Round 1"}));
}

TEST_F(EngineTest, AGameOpenedFromAFileStartsTheSheetAfresh) {
    setUpTurn({2, 5}, {{2, 0}, {1, 1}});
    clickHand(1);
    clickEnd(true);
    GameState saved = s();
    saved.PlayerScore = Variant::integer(45);
    saved.ComputerScore = 70;
    engine.RestoreGame(saved);
    EXPECT_EQ(sheetText(engine),
              std::vector<std::string>{"Opened from a file: Ann 45, Computer 70"});
}

} // namespace
} // namespace pipwright::testing
