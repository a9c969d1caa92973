#include "storage/SavedGameFile.h"

#include "FileSizeLimit.h"
#include "SampleGames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pipwright {
namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SavedGameFile : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(SavedGameFile, SavesAndOpensTheSameGame) {
    const GameState game = samples::gameInPlay();
    const QString file = path("game.txt");
    writeFile(file, "an older game");
    ASSERT_TRUE(savePresentGame(file, game, true).ok);
    const std::string bytes = writeSavedGame(game, true);
    EXPECT_EQ(contentOf(file), QByteArray::fromStdString(bytes));

    const OpenedGame opened = openPreviousGame(file, samples::freshGame());
    ASSERT_TRUE(opened.game) << opened.reason.toStdString();
    EXPECT_TRUE(opened.game->timerWasRunning);
    EXPECT_EQ(writeSavedGame(opened.game->state, true), bytes);
}

TEST_F(SavedGameFile, FailedSaveKeepsTheOldFile) {
    const QString old = path("old.txt");
    writeFile(old, "old");
    FileOutcome saved;
    {
        const FileSizeLimit limit(16);
        saved = savePresentGame(old, samples::gameInPlay(), false);
    }
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.reason.isEmpty());
    EXPECT_EQ(contentOf(old), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.txt"}) << "no stray file";

    writeFile(path("plain"), "x");
    EXPECT_FALSE(savePresentGame(path("plain/game.txt"), samples::gameInPlay(), false).ok);
}

// A state the reader would refuse is never written over a saved game.
TEST_F(SavedGameFile, SaveThatWouldNotOpenKeepsTheOldFile) {
    const QString old = path("old.txt");
    writeFile(old, "old");
    GameState unreachable = samples::gameInPlay();
    unreachable.ComputerScore = 32005;
    const FileOutcome saved = savePresentGame(old, unreachable, false);
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.reason.contains("would not open again")) << saved.reason.toStdString();
    EXPECT_EQ(contentOf(old), "old");
}

TEST_F(SavedGameFile, RefusesWhatIsNotASavedGame) {
    const std::string good = writeSavedGame(samples::gameInPlay(), false);
    writeFile(path("cut.txt"), QByteArray::fromStdString(good.substr(0, good.size() / 2)));
    writeFile(path("huge.txt"), QByteArray::fromStdString(good) + QByteArray(2 << 20, '\n'));
    QDir(dir.path()).mkdir("folder.txt");
    const GameState current = samples::freshGame();
    for (const char* name : {"missing.txt", "cut.txt", "huge.txt", "folder.txt"}) {
        const OpenedGame opened = openPreviousGame(path(name), current);
        EXPECT_FALSE(opened.game) << name;
        EXPECT_FALSE(opened.reason.isEmpty()) << name;
    }
}

// Names a file's format allows that the start-up window never makes: too
// long, not raised, not composed, or with more than letters.
TEST_F(SavedGameFile, RefusesNamesTheStartUpWindowDoesNotMake) {
    const GameState current = samples::freshGame();
    for (const char* name : {"Abcdefghi", "J\xc3\xbcRGEN", "Zoe\xcc\x88", "Zo\xf0\x9f\x98\x80",
                             "\xc3\xa9lo\xc3\xafse"}) {
        GameState game = samples::gameInPlay();
        game.PlayerName = name;
        writeFile(path("named.txt"), QByteArray::fromStdString(writeSavedGame(game, false)));
        const OpenedGame opened = openPreviousGame(path("named.txt"), current);
        EXPECT_FALSE(opened.game) << name;
        EXPECT_FALSE(opened.reason.isEmpty()) << name;
    }
}

} // namespace
} // namespace pipwright
