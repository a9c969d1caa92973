#include "storage/GameHistory.h"

#include "language/Translation.h"
#include "language/TypedName.h"
#include "storage/HistoryFormat.h"
#include "storage/SavedGameFile.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <utility>

namespace pipwright {

namespace {

constexpr qint64 HistoryLimit = qint64{4} * 1024 * 1024;
// How long a recording waits for another copy of the game to finish its own.
constexpr int LockWaitMs = 5000;

QString historyFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

std::string_view viewOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

HistoryOutcome failed(const QString& reason) {
    return {false, reason};
}

HistoryOutcome writeAtomically(const QString& path, const std::string& text) {
    QSaveFile file(path);
    // Unbuffered, so a short write shows here instead of at the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file.errorString());
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(reason);
    }
    if (!file.commit())
        return failed(file.errorString());
    return {true, {}};
}

// Adds a line to a file that is kept as it is, starting a new line if the old
// content does not end with one.
HistoryOutcome append(const QString& path, const HistoryRecord& record) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return failed(file.errorString());
    const qint64 oldSize = file.size();
    std::string line = historyLine(record);
    if (oldSize > 0) {
        file.seek(oldSize - 1);
        if (file.read(1) != "\n")
            line.insert(0, "\r\n");
    }
    if (file.write(line.data(), static_cast<qint64>(line.size())) !=
        static_cast<qint64>(line.size())) {
        const QString reason = file.errorString();
        file.resize(oldSize); // no half line
        return failed(reason);
    }
    return {true, {}};
}

} // namespace

std::optional<QString> historyFilePath(const std::string& playerName, std::string_view preset) {
    // Such a name holds no path separator, dot or control character, so the
    // file stays in the folder; it is composed, so a name typed in any way
    // finds the same file.
    if (!isMadeName(playerName) || historyFolder().isEmpty())
        return std::nullopt;
    const bool presetNamed = std::all_of(preset.begin(), preset.end(),
                                         [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; });
    if (!presetNamed || preset.starts_with('-'))
        return std::nullopt;
    QString file = historyFolder() + QLatin1Char('/') + QString::fromStdString(playerName);
    if (!preset.empty())
        file += QLatin1Char('.') + QString::fromLatin1(preset.data(), qsizetype(preset.size()));
    return file + QStringLiteral(".tot");
}

HistoryOutcome recordHistory(const std::string& playerName, std::int64_t gamesWon,
                             std::int64_t gamesLost, const QDate& today, std::string_view preset) {
    const std::optional<QString> path = historyFilePath(playerName, preset);
    if (!path)
        return failed(translated(Text("History", "the player's name cannot name a file")));
    if (!today.isValid())
        return failed(translated(Text("History", "today's date is not known")));
    const bool anyGame = gamesWon >= 1 || gamesLost >= 1;
    const HistoryRecord todays{{today.year(), today.month(), today.day()},
                               std::max<GameCount>(gamesWon, 0),
                               std::max<GameCount>(gamesLost, 0)};
    if (!anyGame && !QFile::exists(*path))
        return {true, {}};
    if (!QDir().mkpath(historyFolder()))
        return failed(translated(Text("History", "the history folder cannot be created")));
    // Another copy of the game may be recording for the same player: read,
    // merge and write under one lock, so neither loses the other's games.
    QLockFile lock(*path + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs))
        return failed(translated(Text("History", "another copy of the game holds the history")));
    if (!QFile::exists(*path)) {
        if (!anyGame)
            return {true, {}};
        return writeAtomically(*path, historyLine(todays));
    }

    QString reason;
    const std::optional<QByteArray> bytes = readWholeFile(*path, HistoryLimit, &reason);
    HistoryRead read;
    if (bytes)
        read = readHistory(viewOf(*bytes));
    if (!read.ok) {
        // Keep what cannot be read as it is; today's games still go on its end.
        HistoryOutcome outcome = failed(bytes ? translated(read.error) : reason);
        outcome.damagedLine = read.badLine;
        outcome.appendedOnly = anyGame && append(*path, todays).ok;
        return outcome;
    }
    if (anyGame)
        read.records.push_back(todays);
    HistoryOutcome written = writeAtomically(*path, writeHistory(mergeByDate(read.records)));
    if (!written.ok)
        written.appendedOnly = anyGame && append(*path, todays).ok;
    return written;
}

int historyDamagedLine(const std::string& playerName, std::string_view preset) {
    const std::optional<QString> path = historyFilePath(playerName, preset);
    QString reason;
    const std::optional<QByteArray> bytes =
        path ? readWholeFile(*path, HistoryLimit, &reason) : std::nullopt;
    return bytes ? readHistory(viewOf(*bytes)).badLine : 0;
}

std::optional<std::vector<HistoryRecord>> historyRecords(const std::string& playerName,
                                                         std::string_view preset) {
    const std::optional<QString> path = historyFilePath(playerName, preset);
    if (!path)
        return std::nullopt;
    QString reason;
    const std::optional<QByteArray> bytes = readWholeFile(*path, HistoryLimit, &reason);
    if (!bytes)
        return std::nullopt;
    HistoryRead read = readHistory(viewOf(*bytes));
    if (!read.ok)
        return std::nullopt;
    return std::move(read.records);
}

std::optional<QString> historyText(const std::string& playerName, std::string_view preset) {
    const std::optional<std::vector<HistoryRecord>> records = historyRecords(playerName, preset);
    if (!records)
        return std::nullopt;
    const auto shortDate = [](const PlayDate& d) {
        return QLocale::system()
            .toString(QDate(d.year, d.month, d.day), QLocale::ShortFormat)
            .toStdString();
    };
    const auto inLanguage = [](const Text& text) { return translated(text).toStdString(); };
    return QString::fromStdString(formatHistory(playerName, *records, shortDate, inLanguage));
}

} // namespace pipwright
