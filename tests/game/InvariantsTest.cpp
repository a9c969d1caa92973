#include "game/Invariants.h"

#include "tests/game/EngineFixture.h"

namespace pipwright::testing {
namespace {

// A dealt round in the player's turn: 7 in each hand, the Set Domino laid.
class InvariantsTest : public EngineTest {
protected:
    void SetUp() override {
        s().plae = Variant::integer(5);
        s().clae = 3;
        s().GameStatus = Phase::DrawingSeven;
        for (int slot = 1; slot <= 7; ++slot)
            clickBoneYard(slot);
        clickHand(1);
        ASSERT_EQ(s().GameStatus, Phase::PlayersTurn);
        ASSERT_TRUE(checkInvariants(s()).empty());
    }
};

// Ways to break a sound state, each caught by the check.
struct Breakage {
    const char* name;
    void (*breakIt)(GameState&);
};
const Breakage Breakages[] = {
    {"duplicate",
     [](GameState& s) {
         s.PlayerArray(2, 1) = s.PlayerArray(3, 1), s.PlayerArray(2, 2) = s.PlayerArray(3, 2);
     }},
    {"halfEmptySlot", [](GameState& s) { s.PlayerArray(2, 1) = NoHalf; }},
    {"lostDomino", [](GameState& s) { s.ComputerArray(1, 1) = s.ComputerArray(1, 2) = NoHalf; }},
    {"lostFromTheBoneYard",
     [](GameState& s) { s.BoneYardArray(20, 1) = s.BoneYardArray(20, 2) = NoHalf; }},
    {"twiceInTheBoneYard",
     [](GameState& s) {
         s.BoneYardArray(20, 1) = s.ComputerArray(1, 1);
         s.BoneYardArray(20, 2) = s.ComputerArray(1, 2);
     }},
    {"badPhase", [](GameState& s) { s.GameStatus = 5; }},
    {"oddScore", [](GameState& s) { s.ComputerScore = 12; }},
    {"armMismatch", [](GameState& s) { s.GameRightArray(1, 2) = 7; }},
    {"handTooLarge", [](GameState& s) { s.Playerdom = 19; }},
};

TEST_F(InvariantsTest, CatchesBrokenStates) {
    for (const Breakage& b : Breakages) {
        GameState broken = s();
        b.breakIt(broken);
        EXPECT_FALSE(checkInvariants(broken).empty()) << b.name;
    }
}

} // namespace
} // namespace pipwright::testing
