// Any bytes: a file the reader accepts is a game the engine can play. After it
// opens, a few hundred clicks chosen from the bytes (BoneYard, hand, play
// field, "Can't Play") go through the engine and the computer's turns, and
// after each one the game must keep its rules and no flow may be left running.
// Between clicks the game is saved and reopened, and now and then a modal
// window closes over the main window; every save must open again to the same
// bytes.
#include "computer/ComputerPlayer.h"
#include "game/Engine.h"
#include "game/Invariants.h"
#include "storage/SavedGame.h"
#include "tools/selfplay/HeadlessWindow.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace pipwright {
namespace {

constexpr int Clicks = 300;

void stopIfBroken(const Engine& engine, int click) {
    const Integer phase = engine.state().GameStatus;
    std::vector<std::string> broken;
    for (const Text& fault : checkInvariants(engine.state()))
        broken.push_back(fault.english());
    if (engine.flowRunning())
        broken.emplace_back("a flow was left running");
    if (phase == Phase::ComputersTurn || phase == Phase::ComputerDrawsFirst ||
        phase == Phase::ComputerDrawsSeven)
        broken.push_back("left in the computer's phase " + std::to_string(phase));
    if (broken.empty())
        return;
    for (const std::string& line : broken)
        std::fprintf(stderr, "after click %d: %s\n", click, line.c_str());
    __builtin_trap();
}

[[noreturn]] void stop(int click, const std::string& why) {
    std::fprintf(stderr, "after click %d: %s\n", click, why.c_str());
    __builtin_trap();
}

void saveAndReopen(Engine& engine, HeadlessWindow& window, int click) {
    const bool timer = window.timer1Enabled();
    const std::string saved = writeSavedGame(engine.state(), timer);
    const LoadResult read = readSavedGame(saved, engine.state());
    if (!read.game)
        stop(click, "the saved game does not open: " + read.error.english());
    if (writeSavedGame(read.game->state, read.game->timerWasRunning) != saved)
        stop(click, "the reopened game saves to other bytes");
    engine.RestoreGame(read.game->state);
    window.setTimer1Enabled(timer);
}

void play(std::string_view bytes) {
    HeadlessWindow window;
    const std::uint64_t seed = std::hash<std::string_view>{}(bytes);
    SeededRandom random(seed);
    Engine engine(window, random);
    ComputerPlayer computer(engine, seed);
    engine.setComputer(&computer);
    engine.Form_Load(Metrics{});
    engine.Form_Activate();
    const LoadResult read = readSavedGame(bytes, engine.state());
    if (!read.game)
        return;
    std::mt19937_64 choices(seed);
    const auto pick = [&](int n) { return static_cast<int>(choices() % n) + 1; };
    window.checkTimerBox(pick(2) == 1);
    engine.RestoreGame(read.game->state);
    stopIfBroken(engine, 0);
    saveAndReopen(engine, window, 0);

    const GameState& s = engine.state();
    for (int click = 1; click <= Clicks; ++click) {
        switch (pick(4)) {
        case 1: {
            const Rect square = boneYardSquare(pick(SetSize), s.BoneYardTop);
            engine.BoneYardPic_MouseDown(square.left + pick(250), square.top + pick(250));
            engine.BoneYardPic_Click();
            break;
        }
        case 2:
            engine.PlayersPic_MouseDown(handSlotLeft(pick(HandLimit + 1)) + pick(350) - 25,
                                        s.PlayerHandTop + pick(2 * HalfSize));
            engine.PlayersPic_Click();
            break;
        case 3: {
            const Rect end = s.endRect(pick(2) == 1 ? End::Left : End::Right);
            engine.ViewPic_MouseDown(end.left + pick(HalfSize), end.top + pick(HalfSize));
            engine.ViewPic_Click();
            break;
        }
        default:
            engine.ComPlayerCantPlay_Click();
            break;
        }
        stopIfBroken(engine, click);
        saveAndReopen(engine, window, click);
        if (pick(2) == 1)
            engine.Form_Activate();
        stopIfBroken(engine, click);
    }
}

} // namespace
} // namespace pipwright

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pipwright::play(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
