#pragma once

#include "computer/ComputerPlayer.h"
#include "game/Engine.h"
#include "game/Invariants.h"
#include "game/Random.h"
#include "tools/selfplay/HeadlessWindow.h"

#include <cstdint>
#include <iosfwd>
#include <random>
#include <string>
#include <vector>

namespace pipwright {

struct SelfPlayOptions {
    long games = 1000;
    std::uint64_t seed = 1;
    bool playerExpert = false;
    bool computerExpert = true;
    // The Master on a seat; on the player's seat it sees the player's view.
    bool playerMaster = false;
    bool computerMaster = false;
    // The winner of a round starts the next, rather than a fresh draw.
    bool winnerStarts = false;
};

struct SelfPlayResult {
    long games = 0;
    long playerWins = 0;
    long computerWins = 0;
    long hands = 0;
    long invariantViolations = 0;
    long sheetsAddedUp = 0;         // finished games whose score sheet adds up to the final scores
    std::vector<double> decisionMs; // processor time of each of the Master's decisions
};

// Plays whole games to 200 through the engine's own flows. The player's seat
// acts only by clicking, choosing its moves with the computer's rules applied
// to its own hand; the computer's seat is the real computer player.
class SelfPlay {
public:
    SelfPlay(const SelfPlayOptions& options, std::ostream& diagnostics);
    SelfPlayResult run();
    // The game as the last one left it, its score sheet included.
    Engine& engine() { return engine_; }

private:
    enum class Outcome { Acted, Stuck };
    Outcome act();
    int pickFaceDown();
    void clickBoneYard(int slot);
    void clickHandSlot(int slot);
    void clickEnd(End end);
    Outcome takeTurn();
    std::optional<Move> playerMove();
    std::uint64_t playerSeed();
    void resultShown(ResultWindow shown);
    void checkState(const char* after);
    void violation(const std::string& what);
    std::ostream& reportGame();
    void saveAndReopen();
    void checkSheet();
    void abandonGame(const char* why);

    SelfPlayOptions options_;
    std::ostream& diagnostics_;
    HeadlessWindow window_;
    SeededRandom random_;
    SeededRandom playerRandom_;
    std::mt19937_64 activations_;
    // The player's Master searches from its own generator, as the computer's does.
    MasterSeeds playerSeeds_;
    Engine engine_;
    ComputerPlayer computer_;
    SelfPlayResult result_;
    long actionsThisGame_ = 0;
    bool drewThisTurn_ = false;
};

} // namespace pipwright
