// Writes one saved game per sample state into the folder given, as seeds for
// the saved-game fuzzer.
#include "SampleGames.h"
#include "storage/SavedGame.h"

#include <fstream>
#include <functional>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using namespace pipwright;
    if (argc != 2) {
        std::cerr << "usage: make_saved_seeds FOLDER\n";
        return 2;
    }
    struct Seed {
        const char* file;
        std::function<GameState()> state;
        bool timerRunning;
    };
    const Seed seeds[] = {
        {"fresh_game.txt", samples::freshGame, false},
        {"game_in_play.txt", samples::gameInPlay, false},
        {"timer_running.txt", samples::gameInPlay, true},
        {"after_restart.txt", samples::afterRestart, false},
        {"after_tied_draw.txt", samples::afterTiedDraw, false},
        {"before_set_domino.txt", samples::beforeSetDomino, false},
    };
    for (const Seed& seed : seeds) {
        std::ofstream out(std::string(argv[1]) + "/" + seed.file, std::ios::binary);
        out << writeSavedGame(seed.state(), seed.timerRunning);
        if (!out) {
            std::cerr << "cannot write " << seed.file << "\n";
            return 1;
        }
    }
    return 0;
}
