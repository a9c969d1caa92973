#include "tests/game/EngineFixture.h"

namespace pipwright::testing {
namespace {

class RestoreGameTest : public EngineTest {
protected:
    // Lays the line outward from a 2-5 Set Domino: count dominoes on each arm
    // after it, with a double at the given positions.
    void layLine(int leftCount, int rightCount, int leftDoubleAt, int rightDoubleAt) {
        setUpTurn({2, 5}, {{1, 3}, {7, 7}, {4, 4}}, {{0, 6}, {7, 7}});
        for (int n = 2; n <= leftCount; ++n) {
            const int inner = static_cast<int>(s().gameleftarray(n - 1, 3).toLong());
            const int outer = n == leftDoubleAt ? inner : (inner + 1) % 7;
            s().Dominoleft = Variant::integer(static_cast<Integer>(n));
            s().gameleftarray(n, 1) = Variant::integer(static_cast<Integer>(n));
            s().gameleftarray(n, 2) = Variant::integer(static_cast<Integer>(inner));
            s().gameleftarray(n, 3) = Variant::integer(static_cast<Integer>(outer));
            engine.CheckingLeft();
        }
        for (int n = 2; n <= rightCount; ++n) {
            const int inner = s().GameRightArray(n - 1, 3);
            const int outer = n == rightDoubleAt ? inner : (inner + 3) % 7;
            s().DominoRight = static_cast<Integer>(n);
            s().GameRightArray(n, 1) = static_cast<Integer>(n);
            s().GameRightArray(n, 2) = static_cast<Integer>(inner);
            s().GameRightArray(n, 3) = static_cast<Integer>(outer);
            engine.CheckingRight();
        }
    }
};

// Opening a game rebuilds the rectangles and both anchors exactly as play
// left them, whatever the file said.
TEST_F(RestoreGameTest, RebuildsRectanglesAndAnchors) {
    for (auto [left, right, leftDouble, rightDouble] :
         {std::tuple{1, 1, 0, 0}, std::tuple{2, 1, 2, 0}, std::tuple{9, 4, 8, 3},
          std::tuple{14, 6, 13, 0}, std::tuple{3, 12, 0, 9}}) {
        layLine(left, right, leftDouble, rightDouble);
        const GameState played = s();
        GameState loaded = played;
        for (int n = 1; n <= 28; ++n)
            for (int c = 4; c <= 7; ++c) {
                loaded.gameleftarray(n, c) = Variant::integer(1);
                loaded.GameRightArray(n, c) = 1;
            }
        loaded.LeftEndX = Variant::integer(0);
        loaded.LeftEndY = 0;
        loaded.RightEndX = Variant();
        loaded.RightEndY = 0;
        engine.RestoreGame(loaded);
        for (int n = 1; n <= left; ++n)
            for (int c = 4; c <= 7; ++c)
                EXPECT_EQ(s().gameleftarray(n, c).toLong(), played.gameleftarray(n, c).toLong())
                    << "left " << n;
        for (int n = 1; n <= right; ++n)
            for (int c = 4; c <= 7; ++c)
                EXPECT_EQ(s().GameRightArray(n, c), played.GameRightArray(n, c)) << "right " << n;
        EXPECT_EQ(s().LeftEndX.toLong(), played.LeftEndX.toLong()) << left;
        EXPECT_EQ(s().LeftEndY, played.LeftEndY) << left;
        EXPECT_EQ(s().RightEndX.toLong(), played.RightEndX.toLong()) << right;
        EXPECT_EQ(s().RightEndY, played.RightEndY) << right;
        EXPECT_EQ(s().RestoringGame, False);
    }
}

TEST_F(RestoreGameTest, RepaintsWithoutFlashingAndSkipsEmptySlots) {
    layLine(3, 2, 0, 0);
    GameState loaded = s();
    loaded.BoneYardArray(5, 1) = loaded.BoneYardArray(5, 2) = NoHalf;
    loaded.PlayerScore = Variant::integer(35);
    loaded.Zombie = 2;
    window.clearHistory();
    engine.RestoreGame(loaded);
    EXPECT_TRUE(window.pauses.empty());
    int blackBoxes = 0, faceDownSquares = 0, computerSquares = 0;
    for (const auto& b : window.boxes) {
        blackBoxes += b.fill == Fill::Black;
        faceDownSquares += b.picture == Picture::BoneYard && b.fill == Fill::Foreground;
        computerSquares += b.picture == Picture::Computers && b.fill == Fill::Foreground;
    }
    EXPECT_EQ(blackBoxes, 3); // the new ends of the two arms after the Set Domino
    EXPECT_EQ(faceDownSquares, 27);
    EXPECT_EQ(computerSquares, 1);
    int handHalves = 0;
    for (const auto& h : window.halves)
        handHalves += h.picture == Picture::Players;
    EXPECT_EQ(handHalves, 4); // the emptied slot shows nothing
    EXPECT_EQ(s().Zombie, 2);
    EXPECT_EQ(window.message, "Ann,  Click the Left Mouse on one of your Dominos...");
    EXPECT_EQ(window.panels[1], "Ann's Score=35");
}

TEST_F(RestoreGameTest, AGameSavedBeforeTheSetDominoPaintsNoLine) {
    GameState loaded = s(); // right after start-up: arms erased, counts Empty
    loaded.Dominoleft = Variant::integer(1);
    loaded.DominoRight = 1;
    window.clearHistory();
    engine.RestoreGame(loaded);
    for (const auto& h : window.halves)
        EXPECT_NE(h.picture, Picture::View);
}

} // namespace
} // namespace pipwright::testing
