#include "GameWindowFixture.h"
#include "game/Geometry.h"
#include "ui/Look.h"

#include <QPushButton>
#include <QTest>

namespace pipwright {
namespace {

// Plays whole rounds through the window's pictures with the mouse, as a
// player would: draw, lay matching dominoes, draw when stuck, pass at the end.
class PlayRound : public GameWindowTest {
protected:
    int firstFaceDown() const {
        for (int i = 1; i <= SetSize; ++i)
            if (window->engine().state().BoneYardArray(i, 1) < NoHalf)
                return i;
        return 0;
    }
    void clickBoneYard(int slot) {
        const Rect square = boneYardSquare(slot, state().BoneYardTop);
        click(Picture::BoneYard, square.left + 125, square.top + 125);
    }
    void clickHand(int slot) {
        click(Picture::Players, handSlotLeft(slot) + 150, state().PlayerHandTop + 300);
    }
    void clickEnd(bool left) {
        const Rect r = state().endRect(left ? End::Left : End::Right);
        click(Picture::View, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    void playersTurn() {
        const GameState& s = state();
        for (int slot = 1; slot <= s.Playerdom; ++slot) {
            const int a = s.PlayerArray(slot, 1), b = s.PlayerArray(slot, 2);
            if (a == NoHalf)
                continue;
            const bool left = fitsEnd(a, b, s.openEnd(End::Left));
            if (left || fitsEnd(a, b, s.openEnd(End::Right))) {
                clickHand(slot);
                clickEnd(left);
                ++laid;
                return;
            }
        }
        if (const int slot = firstFaceDown()) {
            clickBoneYard(slot);
            return;
        }
        QTest::mouseClick(window->findChild<QPushButton*>("ComPlayerCantPlay"), Qt::LeftButton);
        ++passes;
    }
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
    int passes = 0;
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
            playersTurn();
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
