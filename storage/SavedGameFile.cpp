#include "storage/SavedGameFile.h"

#include "language/Translation.h"
#include "language/TypedName.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pipwright {

namespace {

// A saved game is a few kilobytes; anything far larger is not one.
constexpr qint64 SavedGameLimit = qint64{1024} * 1024;
// How a table's file begins.
constexpr char TableFileMark[] = "pipwright-table ";

} // namespace

std::optional<QByteArray> readWholeFile(const QString& path, qint64 limit, QString* reason) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return std::nullopt;
    }
    if (bytes.size() > limit) {
        *reason = translated(Text("SavedGame", "the file is too large"));
        return std::nullopt;
    }
    return bytes;
}

QString settledGameFileName(const QString& path) {
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    QString settled = path;
    while (settled.endsWith(QLatin1Char('.')))
        settled.chop(1);
    return settled + QStringLiteral(".txt");
}

FileOutcome writeWholeFile(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk) shows here instead of being
    // dropped when the file is committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

FileOutcome savePresentGame(const QString& path, const GameState& state, bool timerRunning) {
    const std::string bytes = writeSavedGame(state, timerRunning);
    // A file that would not open again to the same game is never written.
    const LoadResult check = readSavedGame(bytes, state);
    if (!check.game)
        return {
            false,
            translated(Text("SavedGame", "the game would not open again: %1").arg(check.error))};
    if (writeSavedGame(check.game->state, check.game->timerWasRunning) != bytes)
        return {false,
                translated(Text("SavedGame", "the game would not open again as it was saved"))};
    return writeWholeFile(path, bytes);
}

OpenedGame openPreviousGame(const QString& path, const GameState& current) {
    OpenedGame opened;
    const std::optional<QByteArray> bytes = readWholeFile(path, SavedGameLimit, &opened.reason);
    if (!bytes)
        return opened;
    // A table's file says so on its first line; it is never read as a game.
    if (bytes->startsWith(TableFileMark)) {
        opened.reason = translated(
            Text("SavedGame", "this is a table's file: open it with Open in the table window"));
        return opened;
    }
    LoadResult result = readSavedGame(
        std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())), current);
    if (!result.game) {
        opened.reason = translated(result.error);
        return opened;
    }
    // The file holds a name its format allows; it must also be one the
    // start-up window makes, so its history file is the one the player knows.
    if (!isMadeName(result.game->state.PlayerName)) {
        opened.reason =
            translated(Text("SavedGame", "the player's name is not one the start-up window makes"));
        return opened;
    }
    opened.game = std::move(result.game);
    return opened;
}

} // namespace pipwright
