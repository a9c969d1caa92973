// What the computer's view of the table holds at the points where a round's
// record starts or its line is laid.
#include "tests/game/EngineFixture.h"

#include <functional>

namespace pipwright::testing {
namespace {

struct ViewCase {
    const char* name;
    std::function<void(Engine&)> act;
    int L, R;              // the open ends the view shows
    std::size_t lineCount; // dominoes the view sees on the line
    std::size_t events;    // the round's record
};

// The player's turn in a round already under way, with a draw and a pass on
// record.
void roundUnderWay(Engine& engine) {
    GameState& s = engine.state();
    s.startLine(2, 5);
    s.appendToArm(End::Left, 2, 6);
    s.GameStatus = Phase::PlayersTurn;
    engine.record(TableEvent::Kind::Drew, Seat::Player);
    engine.record(TableEvent::Kind::Passed, Seat::Player);
}

const ViewCase ViewCases[] = {
    {"a game opened from a file starts a fresh record",
     [](Engine& engine) {
         roundUnderWay(engine);
         engine.RestoreGame(engine.state());
     },
     6, 5, 2, 0},
    {"the next round's draw shows no line",
     [](Engine& engine) {
         roundUnderWay(engine);
         engine.mnuRestartTheGame_Click();
     },
     7, 7, 0, 0},
    {"the Set Domino goes on record with no ends before it",
     [](Engine& engine) {
         GameState& s = engine.state();
         s.Playerdom = 1;
         s.PlayerArray(1, 1) = 3;
         s.PlayerArray(1, 2) = 4;
         s.GameStatus = Phase::SetDomino;
         engine.PlayersPic_MouseDown(handSlotLeft(1) + 150, s.PlayerHandTop + 300);
         engine.PlayersPic_Click();
     },
     3, 4, 1, 1},
};

void PrintTo(const ViewCase& c, std::ostream* os) {
    *os << c.name;
}

class ComputersView : public EngineTest, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(ComputersView, SeesOnlyTheRoundItIsIn) {
    const ViewCase& c = GetParam();
    c.act(engine);
    const TableView view = engine.tableView(Seat::Computer);
    EXPECT_EQ(view.L, c.L);
    EXPECT_EQ(view.R, c.R);
    EXPECT_EQ(view.line.size(), c.lineCount);
    ASSERT_EQ(view.history.size(), c.events);
    for (const TableEvent& e : view.history) {
        EXPECT_EQ(e.left, NoHalf);
        EXPECT_EQ(e.right, NoHalf);
    }
}

INSTANTIATE_TEST_SUITE_P(Moments, ComputersView, ::testing::ValuesIn(ViewCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

} // namespace
} // namespace pipwright::testing
