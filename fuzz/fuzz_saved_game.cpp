// Any bytes: the reader refuses or returns a game, never crashes or hangs. A
// game it returns saves to a file that opens to the same game.
#include "storage/SavedGame.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pipwright;
    const GameState current{};
    const LoadResult read =
        readSavedGame(std::string_view(reinterpret_cast<const char*>(data), size), current);
    if (!read.game)
        return 0;
    const std::string saved = writeSavedGame(read.game->state, read.game->timerWasRunning);
    const LoadResult again = readSavedGame(saved, current);
    if (!again.game || again.game->timerWasRunning != read.game->timerWasRunning ||
        writeSavedGame(again.game->state, again.game->timerWasRunning) != saved)
        __builtin_trap();
    return 0;
}
