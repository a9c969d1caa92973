// The main window's file entries: saving and opening a game, and the game
// history that "&Quit" records and "Game &History" shows.

#include "language/Translation.h"
#include "storage/GameHistory.h"
#include "storage/SavedGameFile.h"
#include "ui/GameFolder.h"
#include "ui/HistoryWindow.h"
#include "ui/dialogs/GameConditionsDialog.h"
#include "ui/frmDominos.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace pipwright {

namespace {

QString saveTitle() {
    return frmDominos::tr("Save the Present Game");
}

QString openTitle() {
    return frmDominos::tr("Open the Previous Game");
}

QString historyTitleOf(const GameState& s) {
    return translated(historyTitle(s.PlayerName));
}

QString seconds(Single value) {
    return QString::number(static_cast<double>(value), 'g', 7);
}

} // namespace

QString frmDominos::chooseGameFile(const QString& title, bool saving) {
    QFileDialog dialog(this, title, gameFilesFolder(), tr("All Files (*.txt*) (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The name is settled first, so the question is asked of the file written.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString chosen = dialog.selectedFiles().constFirst();
    if (!saving)
        return chosen;
    QString path = settledGameFileName(chosen);
    if (QFileInfo::exists(path) && !replaceAllowed(title, path))
        return {};
    return path;
}

bool frmDominos::replaceAllowed(const QString& title, const QString& path) {
    QMessageBox box(
        QMessageBox::Warning, title,
        tr("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(path)),
        QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void frmDominos::mnuSaveGame_Click() {
    const QString path = chooseGameFile(saveTitle(), true);
    if (path.isEmpty())
        return;
    const FileOutcome saved = savePresentGame(path, engine_.state(), port_.timer1Enabled());
    if (!saved.ok)
        stopBox(saveTitle(), tr("The game was not saved to\n%1\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), saved.reason));
}

void frmDominos::mnuOpenGame_Click() {
    const QString path = chooseGameFile(openTitle(), false);
    if (path.isEmpty())
        return;
    const OpenedGame opened = openPreviousGame(path, engine_.state());
    if (!opened.game) {
        stopBox(openTitle(), tr("The file\n%1\ncould not be opened.\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), opened.reason));
        return;
    }
    engine_.RestoreGame(opened.game->state);
    const GameState& s = engine_.state();
    // A game saved while the play timer ran opens with the timer stopped.
    port_.setTimer1Enabled(false);
    if (opened.game->timerWasRunning)
        stopBox(tr("To Restart the Timer"),
                tr("%1\nYour previous game had the Play Timer set to\n%2 Seconds.  To Restart the "
                   "Timer, select Playing\nConditions from the Menu and place a check mark in "
                   "the\nproper Box.")
                    .arg(QString::fromStdString(s.PlayerName), seconds(s.SecondsToPlay)));
    conditions().bringIntoLine(opened.game->timerWasRunning);
}

void frmDominos::mnuGameHistory_Click() {
    const GameState& s = engine_.state();
    QString text = historyText(s.PlayerName).value_or(QString());
    if (text.isEmpty()) {
        const int damagedLine = historyDamagedLine(s.PlayerName);
        if (damagedLine > 0)
            text = tr("The game history %1 is damaged at line %2, and is kept as it is; today's "
                      "games are still added to its end.")
                       .arg(QDir::toNativeSeparators(
                                historyFilePath(s.PlayerName).value_or(QString())),
                            QString::number(damagedLine));
    }
    showGameHistory(
        this, historyTitleOf(s),
        playerHistories(s.PlayerName, text.replace(QLatin1Char('\r'), QLatin1Char('\n'))));
}

void frmDominos::gameEnded() {
    history_.gameEnded(engine_.state(), QDate::currentDate());
}

void frmDominos::recordTheDaysGames() {
    const GameState& s = engine_.state();
    const QString problems = history_.quit(s, QDate::currentDate());
    if (!problems.isEmpty())
        stopBox(historyTitleOf(s), problems);
}

} // namespace pipwright
