// The main window's file entries: saving and opening a game, and the game
// history that "&Quit" records and "Game &History" shows.

#include "storage/GameHistory.h"
#include "storage/SavedGameFile.h"
#include "ui/HistoryWindow.h"
#include "ui/dialogs/GameConditionsDialog.h"
#include "ui/frmDominos.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace pipwright {

namespace {

const QString SaveTitle = QStringLiteral("Save the Present Game");
const QString OpenTitle = QStringLiteral("Open the Previous Game");

QString fromGame(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString seconds(Single value) {
    return QString::number(static_cast<double>(value), 'g', 7);
}

} // namespace

QString frmDominos::chooseGameFile(const QString& title, bool saving) {
    QFileDialog dialog(this, title,
                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                       QStringLiteral("All Files (*.txt*) (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString path = dialog.selectedFiles().constFirst();
    // A name typed without an extension gets the game's own.
    if (saving && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".txt");
    return path;
}

void frmDominos::mnuSaveGame_Click() {
    const QString path = chooseGameFile(SaveTitle, true);
    if (path.isEmpty())
        return;
    const FileOutcome saved = savePresentGame(path, engine_.state(), timer1Enabled());
    if (!saved.ok)
        stopBox(SaveTitle, tr("The game was not saved to\n%1\n\n%2")
                               .arg(QDir::toNativeSeparators(path), saved.reason));
}

void frmDominos::mnuOpenGame_Click() {
    const QString path = chooseGameFile(OpenTitle, false);
    if (path.isEmpty())
        return;
    const OpenedGame opened = openPreviousGame(path, engine_.state());
    if (!opened.game) {
        stopBox(OpenTitle, tr("The file\n%1\ncould not be opened.\n\n%2")
                               .arg(QDir::toNativeSeparators(path), opened.reason));
        return;
    }
    engine_.RestoreGame(opened.game->state);
    const GameState& s = engine_.state();
    // A game saved while the play timer ran opens with the timer stopped.
    setTimer1Enabled(false);
    if (opened.game->timerWasRunning)
        stopBox(
            QStringLiteral("To Restart the Timer"),
            fromGame(s.PlayerName) +
                QStringLiteral("\nYour previous game had the Play Timer set to\n") +
                seconds(s.SecondsToPlay) +
                QStringLiteral(" Seconds.  To Restart the Timer, select Playing\nConditions from "
                               "the Menu and place a check mark in the\nproper Box."));
    conditions().bringIntoLine(opened.game->timerWasRunning);
}

void frmDominos::mnuGameHistory_Click() {
    const GameState& s = engine_.state();
    const std::optional<QString> text = historyText(s.PlayerName);
    if (!text)
        return;
    showGameHistory(this, fromGame(s.PlayerName + "'s Game History.."),
                    QString(*text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    historyRecords(s.PlayerName).value_or(std::vector<HistoryRecord>{}));
}

void frmDominos::recordTheDaysGames() {
    const GameState& s = engine_.state();
    if (s.KeepGameHistory == False)
        return;
    const HistoryOutcome recorded =
        recordHistory(s.PlayerName, s.GamesWon.toLong(), s.GamesLost, QDate::currentDate());
    if (recorded.ok)
        return;
    const QString what = recorded.appendedOnly
                             ? tr("Today's games were added to the end of the game history, but "
                                  "the history could not be merged into one line per day.")
                             : tr("Today's games could not be recorded.");
    stopBox(fromGame(s.PlayerName + "'s Game History.."),
            what + QStringLiteral("\n\n") + recorded.reason);
}

} // namespace pipwright
