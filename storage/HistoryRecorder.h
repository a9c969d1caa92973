#pragma once

#include "game/GameState.h"
#include "storage/GameHistory.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace pipwright {

// Takes each finished game to the history of the player who played it, when
// it ends. Games counted while recording is off wait; quitting with recording
// on writes what still waits and merges the player's file.
class HistoryRecorder {
    Q_DECLARE_TR_FUNCTIONS(HistoryRecorder)
public:
    // After a game has been counted in the state's GamesWon or GamesLost.
    void gameEnded(const GameState& s, const QDate& today);
    // At quit: what the player must be told, or nothing.
    QString quit(const GameState& s, const QDate& today);

private:
    struct Games {
        std::int64_t won = 0;
        std::int64_t lost = 0;
    };
    void noteNewGames(const GameState& s);
    HistoryOutcome write(const std::string& player, const QDate& today);
    QString problem(const std::string& player, const HistoryOutcome& outcome, bool hadGames) const;

    std::int64_t countedWon_ = 0;
    std::int64_t countedLost_ = 0;
    std::map<std::string, Games> waiting_;
    // Players whose damaged file took today's games on its end.
    std::set<std::string> appendedOnly_;
};

} // namespace pipwright
