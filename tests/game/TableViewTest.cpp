// The computer's view of the table where a round's record starts or its line
// is laid.
#include "tests/game/EngineFixture.h"

namespace pipwright::testing {
namespace {

// The player's turn in a round under way, a draw and a pass on record.
void roundUnderWay(Engine& engine) {
    engine.state().startLine(2, 5);
    engine.state().appendToArm(End::Left, 2, 6);
    engine.state().GameStatus = Phase::PlayersTurn;
    engine.record(TableEvent::Kind::Drew, Seat::Player);
    engine.record(TableEvent::Kind::Passed, Seat::Player);
}

struct ViewCase {
    const char* name;
    void (*act)(Engine&);
    int L, R;
    std::size_t lineCount, events; // every event then had no ends open
};
void PrintTo(const ViewCase& c, std::ostream* os) {
    *os << c.name;
}

const ViewCase ViewCases[] = {
    {"an opened game starts a fresh record",
     [](Engine& e) {
         roundUnderWay(e);
         e.RestoreGame(e.state());
     },
     6, 5, 2, 0},
    {"the next round's draw shows no line",
     [](Engine& e) {
         roundUnderWay(e);
         e.mnuRestartTheGame_Click();
     },
     7, 7, 0, 0},
    {"the Set Domino goes on record before any end is open",
     [](Engine& e) {
         GameState& s = e.state();
         s.Playerdom = 2;
         s.PlayerArray(1, 1) = 3;
         s.PlayerArray(1, 2) = 4;
         s.PlayerArray(2, 1) = 6;
         s.PlayerArray(2, 2) = 6;
         s.GameStatus = Phase::SetDomino;
         e.PlayersPic_MouseDown(handSlotLeft(1) + 150, s.PlayerHandTop + 300);
         e.PlayersPic_Click();
     },
     3, 4, 1, 1},
};

class ComputersView : public EngineTest, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(ComputersView, SeesOnlyTheRoundItIsIn) {
    const ViewCase& c = GetParam();
    c.act(engine);
    const TableView view = engine.tableView(Seat::Computer);
    EXPECT_EQ(std::tuple(view.L, view.R, view.line.size(), view.history.size()),
              std::tuple(c.L, c.R, c.lineCount, c.events));
    for (const TableEvent& e : view.history)
        EXPECT_TRUE(e.left == NoHalf && e.right == NoHalf);
}

INSTANTIATE_TEST_SUITE_P(Moments, ComputersView, ::testing::ValuesIn(ViewCases));

} // namespace
} // namespace pipwright::testing
