// Writes a few tables, saved part-way through games of every preset, into
// the folder given, as seeds for the table file fuzzer.
#include "rules/Presets.h"
#include "storage/table/TableFile.h"

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using namespace pipwright;
    if (argc != 2) {
        std::cerr << "usage: make_table_seeds FOLDER\n";
        return 2;
    }
    for (const rules::PresetInfo& info : rules::presets()) {
        session::TableSetup setup;
        rules::Choices choices;
        choices.seats = info.maxSeats;
        setup.rules = *rules::choose(info.preset, choices).rules;
        setup.levels = {table::Level::Novice, table::Level::Expert, table::Level::Novice,
                        table::Level::Expert};
        setup.seed = 3;
        session::TableSession session(setup);
        // Saved in the second hand, or at the game's end when it comes first.
        while (session.game().handNumber() < 2 &&
               session.game().phase() != rules::Phase::GameOver) {
            if (session.game().phase() == rules::Phase::HandOver)
                session.nextHand();
            else if (session.computerToPlay())
                session.playComputerTurn();
            else
                session.replay(session.humanMoves()[0]);
        }
        for (int i = 0; i < 3 && session.computerToPlay(); ++i)
            session.playComputerTurn();
        std::ofstream out(std::string(argv[1]) + "/" + std::string(info.name) + ".table",
                          std::ios::binary);
        out << tables::writeTableFile(session);
        if (!out) {
            std::cerr << "cannot write " << info.name << "\n";
            return 1;
        }
    }
    return 0;
}
