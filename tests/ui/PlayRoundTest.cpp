#include "GameWindowFixture.h"
#include "game/Geometry.h"
#include "ui/Look.h"

#include <QTest>

namespace pipwright {
namespace {

// Plays whole rounds through the window's pictures with the mouse, as a
// player would: draw, lay matching dominoes, draw when stuck, pass at the end.
class PlayRound : public GameWindowTest {
protected:
    void expectHandPainted() {
        const GameState& s = state();
        for (int slot = 1; slot <= s.Playerdom; ++slot) {
            if (s.PlayerArray(slot, 1) == NoHalf)
                continue;
            // Just inside the corner: a pixel is painted when its centre is.
            EXPECT_NE(
                picture(Picture::Players).colourAt(handSlotLeft(slot) + 8, s.PlayerHandTop + 8),
                colour::LightGrey)
                << "hand slot " << slot;
        }
    }

    int laid = 0;
};

TEST_F(PlayRound, ARoundPlayedThroughTheWindowEndsWithAResult) {
    // A known deal: the BoneYard dealt again from a fixed seed.
    window->random().seed(20261208);
    engine().GameStart();
    bool sawSetDomino = false;
    for (int clicks = 0; results.empty() && clicks < 500; ++clicks) {
        switch (state().GameStatus) {
        case Phase::DrawForFirstPlay:
        case Phase::DrawingSeven:
            clickBoneYard(firstFaceDown());
            break;
        case Phase::SetDomino:
            expectHandPainted();
            clickHand(1);
            break;
        case Phase::PlayersTurn:
            if (!sawSetDomino) {
                sawSetDomino = true;
                expectHandPainted();
                // The Set Domino lies in the middle of the field.
                EXPECT_EQ(picture(Picture::View).colourAt(4500, 3650), colour::DarkYellow);
            }
            laid += playersTurn() ? 1 : 0;
            break;
        default:
            FAIL() << "the flow returned in phase " << state().GameStatus;
        }
    }
    ASSERT_EQ(results.size(), 1u) << "no result after " << laid << " dominoes laid";
    EXPECT_TRUE(sawSetDomino);
    // The round is over and the next one set up: a fresh BoneYard.
    EXPECT_TRUE(state().GameStatus == Phase::DrawForFirstPlay ||
                state().GameStatus == Phase::DrawingSeven);
    EXPECT_EQ(firstFaceDown(), 1);
    EXPECT_FALSE(engine().flowRunning());
}

} // namespace
} // namespace pipwright
