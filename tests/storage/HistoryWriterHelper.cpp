// Records games one at a time into a player's history, as a running copy of
// the game does when each game ends:
//   history_writer_helper APPLICATION PLAYER GAMES won|lost
#include "storage/GameHistory.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 5)
        return 2;
    QCoreApplication::setApplicationName(QString::fromLocal8Bit(argv[1]));
    QStandardPaths::setTestModeEnabled(true);
    const bool won = std::string(argv[4]) == "won";
    const int games = std::atoi(argv[3]);
    for (int i = 0; i < games; ++i)
        if (!pipwright::recordHistory(argv[2], won ? 1 : 0, won ? 0 : 1, QDate(2001, 3, 14)).ok)
            return 1;
    return 0;
}
