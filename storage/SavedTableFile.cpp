#include "storage/SavedTableFile.h"

#include "language/Translation.h"
#include "storage/SavedGame.h"
#include "storage/table/TableFile.h"

#include <QFileInfo>

namespace pipwright {

namespace {

// A long game's file is some tens of kilobytes; anything far larger is not one.
constexpr qint64 TableFileLimit = qint64{4} * 1024 * 1024;

} // namespace

QString settledTableFileName(const QString& path) {
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    QString settled = path;
    while (settled.endsWith(QLatin1Char('.')))
        settled.chop(1);
    return settled + QStringLiteral(".table");
}

FileOutcome saveTable(const QString& path, const session::TableSession& session) {
    const std::string bytes = tables::writeTableFile(session);
    // A file that would not open again to the same table is never written.
    const tables::TableFileRead check = tables::readTableFile(bytes);
    if (!check.session)
        return {
            false,
            translated(Text("SavedGame", "the game would not open again: %1").arg(check.error))};
    // The bytes again hold the rules, the seed, the seated levels, the
    // decisions and every move.
    if (!(check.session->game() == session.game()) ||
        tables::writeTableFile(*check.session) != bytes)
        return {false,
                translated(Text("SavedGame", "the game would not open again as it was saved"))};
    return writeWholeFile(path, bytes);
}

OpenedTable openTable(const QString& path) {
    OpenedTable opened;
    const std::optional<QByteArray> bytes = readWholeFile(path, TableFileLimit, &opened.reason);
    if (!bytes)
        return opened;
    const std::string_view text(bytes->constData(), static_cast<std::size_t>(bytes->size()));
    tables::TableFileRead read = tables::readTableFile(text);
    if (read.session) {
        opened.session = std::move(read.session);
        return opened;
    }
    // A classic game's file is named for what it is.
    if (read.line == 1 && readSavedGame(text, GameState{}).game) {
        opened.reason = translated(Text("TableFile", "this is a saved game of the classic "
                                                     "window: open it with Open a Previous Game"));
        return opened;
    }
    opened.reason = translated(read.error);
    return opened;
}

} // namespace pipwright
