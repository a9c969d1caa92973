#include "game/ScoreSheetText.h"
#include "tests/game/EngineFixture.h"

namespace pipwright::testing {
namespace {

// A name is filled in as typed, even one that looks like an argument of the
// text it goes into.
class NamedTexts : public EngineTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NamedTexts, ShowTheNameAsTyped) {
    const std::string name = GetParam();
    s().PlayerName = name;
    s().PlayerScore = Variant::integer(10);
    engine.showPlayerScore();
    EXPECT_EQ(window.panels[1], name + "'s Score=10");
    engine.Form_Activate();
    EXPECT_EQ(window.playerCaption, name + "'s Dominos");

    const RoundAward award{RoundEnd::WentOut, Seat::Player, 3, 11, 8, 10, 40, 25};
    std::vector<std::string> lines;
    for (const Text& line : sheetLines(award, name))
        lines.push_back(line.english());
    const std::string awardLine =
        name + " went out. " + name + " holds 3, Computer 11: 8, rounds to 10, +10 to " + name;
    EXPECT_EQ(lines, (std::vector<std::string>{awardLine, "Totals: " + name + " 40, Computer 25"}));
}

INSTANTIATE_TEST_SUITE_P(Names, NamedTexts, ::testing::Values("%2", "%1%3", "100%", "%9", "%"));

} // namespace
} // namespace pipwright::testing
