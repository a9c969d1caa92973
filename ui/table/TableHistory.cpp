#include "ui/table/TableHistory.h"

#include "language/Translation.h"
#include "rules/Presets.h"
#include "storage/GameHistory.h"
#include "ui/HistoryWindow.h"
#include "ui/WindowGeometry.h"
#include "ui/dialogs/GameConditionsDialog.h"
#include "ui/frmTitle.h"
#include "ui/table/TableTexts.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace pipwright {

namespace {

// What the table tells of its history.
class TableHistoryTexts {
    Q_DECLARE_TR_FUNCTIONS(TableHistory)
};

// Games not yet written, per player and preset: tried again with the next
// game that ends, so a history held by another copy of the game loses none.
struct Waiting {
    std::int64_t won = 0;
    std::int64_t lost = 0;
};
std::map<std::pair<std::string, std::string>, Waiting>& waiting() {
    static std::map<std::pair<std::string, std::string>, Waiting> games;
    return games;
}

} // namespace

QString recordTableGame(const rules::RuleSet& rules, const rules::GameEnded& ended,
                        const QDate& today) {
    const std::string player = keptPlayerName().toStdString();
    if (player.empty() || !GameConditionsDialog::historyKept(keptSettings()))
        return {};
    const bool won = ended.side == rules::sideOf(rules, 0);
    const std::string_view preset = rules::presetInfo(rules.preset).name;
    const std::pair key{player, std::string(preset)};
    Waiting& games = waiting()[key];
    ++(won ? games.won : games.lost);
    const HistoryOutcome outcome = recordHistory(player, games.won, games.lost, today, preset);
    if (outcome.ok || outcome.appendedOnly)
        waiting().erase(key);
    if (outcome.ok)
        return {};
    if (outcome.appendedOnly)
        return TableHistoryTexts::tr("The game was added to the end of the damaged history %1.")
            .arg(historyFilePath(player, preset).value_or(QString()));
    return TableHistoryTexts::tr("The game could not be added to the history: %1")
        .arg(outcome.reason);
}

QString recordWaitingTableGames(const QDate& today) {
    QStringList problems;
    for (auto it = waiting().begin(); it != waiting().end();) {
        const auto& [player, preset] = it->first;
        const HistoryOutcome outcome =
            recordHistory(player, it->second.won, it->second.lost, today, preset);
        if (outcome.ok || outcome.appendedOnly) {
            it = waiting().erase(it);
            continue;
        }
        problems.append(TableHistoryTexts::tr("%1's games of %2 could not be added to the "
                                              "history: %3")
                            .arg(QString::fromStdString(player),
                                 tabletext::presetTitle(*rules::presetNamed(preset)),
                                 outcome.reason));
        ++it;
    }
    return problems.join(QLatin1Char('\n'));
}

QDialog* tableHistoryWindow(QWidget* owner, rules::Preset preset) {
    const std::string player = keptPlayerName().toStdString();
    QString classic = historyText(player).value_or(QString());
    const std::vector<HistoryView> views =
        playerHistories(player, classic.replace(QLatin1Char('\r'), QLatin1Char('\n')));
    if (views.empty())
        return nullptr;
    const QString title = tabletext::presetTitle(preset);
    const auto at = std::find_if(views.begin(), views.end(),
                                 [&](const HistoryView& view) { return view.game == title; });
    return gameHistoryWindow(owner, translated(historyTitle(player)), views,
                             at == views.end() ? 0 : int(at - views.begin()));
}

} // namespace pipwright
