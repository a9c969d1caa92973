#include "computer/ComputerPlayer.h"
#include "game/Engine.h"
#include "game/Geometry.h"
#include "storage/SavedGame.h"
#include "tests/support/FakeWindow.h"

#include <gtest/gtest.h>
#include <random>

namespace pipwright {
namespace {

// Clicks at random through whole games against the real computer player. Every
// state in which the game can be saved opens again to the same bytes, and now
// and then the game goes on from the opened copy.
TEST(EngineSaves, EveryStateReachedOpensAgain) {
    FakeWindow window;
    SeededRandom random(7);
    Engine engine(window, random);
    ComputerPlayer computer(engine);
    engine.setComputer(&computer);
    engine.Form_Load(Metrics());
    engine.state().PlayerName = "Ann";
    std::mt19937 clicks(11);
    const auto pick = [&](int n) { return static_cast<int>(clicks() % n) + 1; };

    int saves = 0, linesOfThree = 0;
    for (int action = 0; action < 4000; ++action) {
        const GameState& s = engine.state();
        switch (pick(4)) {
        case 1: {
            const Rect square = boneYardSquare(pick(SetSize), s.BoneYardTop);
            engine.BoneYardPic_MouseDown(square.left + 10, square.top + 10);
            engine.BoneYardPic_Click();
            break;
        }
        case 2:
            engine.PlayersPic_MouseDown(handSlotLeft(pick(std::max<int>(s.Playerdom, 1))) + 150,
                                        s.PlayerHandTop + HalfSize);
            engine.PlayersPic_Click();
            break;
        case 3: {
            const Rect end = s.endRect(pick(2) == 1 ? End::Left : End::Right);
            engine.ViewPic_MouseDown((end.left + end.right) / 2, (end.top + end.bottom) / 2);
            engine.ViewPic_Click();
            break;
        }
        default:
            engine.ComPlayerCantPlay_Click();
            break;
        }
        if (s.GameStatus > Phase::PlayersTurn)
            continue;
        const bool timer = window.timer1;
        const std::string bytes = writeSavedGame(s, timer);
        const LoadResult read = readSavedGame(bytes, s);
        ASSERT_TRUE(read.game) << read.error.english() << "\n" << bytes;
        ASSERT_EQ(writeSavedGame(read.game->state, timer), bytes);
        ++saves;
        if (s.Dominoleft.toLong() + s.DominoRight >= 4)
            ++linesOfThree;
        if (action % 25 == 0)
            engine.RestoreGame(read.game->state);
    }
    EXPECT_GT(saves, 1000);
    EXPECT_GT(linesOfThree, 100) << "the clicks should reach the middle of rounds";
}

} // namespace
} // namespace pipwright
