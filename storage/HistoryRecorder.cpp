#include "storage/HistoryRecorder.h"

#include <QDir>
#include <QStringList>
#include <algorithm>

namespace pipwright {

void HistoryRecorder::noteNewGames(const GameState& s) {
    const std::int64_t won = s.GamesWon.toLong();
    const std::int64_t lost = s.GamesLost;
    Games& games = waiting_[s.PlayerName];
    games.won += std::max<std::int64_t>(won - countedWon_, 0);
    games.lost += std::max<std::int64_t>(lost - countedLost_, 0);
    countedWon_ = won;
    countedLost_ = lost;
}

HistoryOutcome HistoryRecorder::write(const std::string& player, const QDate& today) {
    const Games games = waiting_[player];
    HistoryOutcome outcome = recordHistory(player, games.won, games.lost, today);
    if (outcome.ok || outcome.appendedOnly)
        waiting_.erase(player);
    if (outcome.appendedOnly && outcome.damagedLine > 0)
        appendedOnly_.insert(player);
    return outcome;
}

void HistoryRecorder::gameEnded(const GameState& s, const QDate& today) {
    noteNewGames(s);
    if (s.KeepGameHistory == False)
        return;
    const auto players = waiting_;
    for (const auto& [player, games] : players)
        write(player, today);
}

QString HistoryRecorder::quit(const GameState& s, const QDate& today) {
    if (s.KeepGameHistory == False)
        return {};
    noteNewGames(s);
    std::set<std::string> players = appendedOnly_;
    for (const auto& [player, games] : waiting_)
        players.insert(player);
    QStringList problems;
    for (const std::string& player : players) {
        const Games games = waiting_[player];
        const HistoryOutcome outcome = write(player, today);
        if (!outcome.ok)
            problems << problem(player, outcome, games.won > 0 || games.lost > 0);
    }
    return problems.join(QStringLiteral("\n\n"));
}

QString HistoryRecorder::problem(const std::string& player, const HistoryOutcome& outcome,
                                 bool hadGames) const {
    const std::optional<QString> path = historyFilePath(player);
    const QString file = path ? QDir::toNativeSeparators(*path) : QString::fromStdString(player);
    if (outcome.damagedLine > 0) {
        const QString line = QString::number(outcome.damagedLine);
        if (appendedOnly_.count(player) != 0)
            return tr("The game history %1 is damaged at line %2, and is kept as it is. Today's "
                      "games were added to its end.")
                .arg(file, line);
        if (hadGames)
            return tr("The game history %1 is damaged at line %2, and is kept as it is. Today's "
                      "games could not be recorded.")
                .arg(file, line);
        return tr("The game history %1 is damaged at line %2, and is kept as it is.")
            .arg(file, line);
    }
    QString text;
    if (outcome.appendedOnly)
        text = tr("Today's games were added to the end of %1, but the history could not be "
                  "merged into one line per day.")
                   .arg(file);
    else if (hadGames)
        text = tr("Today's games could not be recorded in %1.").arg(file);
    else
        text = tr("The game history %1 could not be merged into one line per day.").arg(file);
    return text + QStringLiteral("\n") + outcome.reason;
}

} // namespace pipwright
