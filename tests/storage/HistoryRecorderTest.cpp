#include "storage/HistoryRecorder.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pipwright {
namespace {

const QDate Today(2001, 3, 14);

class HistoryRecorderTest : public ::testing::Test {
protected:
    void SetUp() override {
        oldHome_ = qgetenv("HOME");
        qputenv("HOME", home_.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }
    void TearDown() override { qputenv("HOME", oldHome_); }

    static QByteArray content(const char* player) {
        QFile f(*historyFilePath(player));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no file)");
    }
    static void setContent(const char* player, const QByteArray& bytes) {
        QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QFile f(*historyFilePath(player));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // The state after a game of the given player ends.
    GameState ended(const char* player, long won, Integer lost) {
        state_.PlayerName = player;
        state_.KeepGameHistory = True;
        state_.GamesWon = Variant::whole(won);
        state_.GamesLost = lost;
        return state_;
    }

    GameState state_;
    QTemporaryDir home_;
    QByteArray oldHome_;
};

// Each game is on disk once it ends, in the file of the player who played it.
TEST_F(HistoryRecorderTest, EachGameGoesToItsPlayerWhenItEnds) {
    HistoryRecorder recorder;
    recorder.gameEnded(ended("Ann", 1, 0), Today);
    EXPECT_EQ(content("Ann"), "#2001-03-14#,1,0\r\n");
    GameState off = ended("Ann", 1, 1);
    off.KeepGameHistory = False;
    recorder.gameEnded(off, Today);
    EXPECT_EQ(content("Ann"), "#2001-03-14#,1,0\r\n") << "waits while recording is off";
    recorder.gameEnded(ended("Bob", 2, 1), Today);
    EXPECT_EQ(content("Ann"), "#2001-03-14#,1,1\r\n");
    EXPECT_EQ(content("Bob"), "#2001-03-14#,1,0\r\n");
    EXPECT_EQ(recorder.quit(ended("Bob", 2, 1), Today), "");
    EXPECT_EQ(content("Ann"), "#2001-03-14#,1,1\r\n");
    EXPECT_EQ(content("Bob"), "#2001-03-14#,1,0\r\n");
}

// A damaged file keeps its lines and takes today's games on its end; the
// quit names it and its line, and says "could not be recorded" only when
// games were left unrecorded.
TEST_F(HistoryRecorderTest, QuitNamesTheDamagedFileAndLine) {
    const QByteArray damaged = "#2001-03-13#,1,0\r\nnot a record\r\n";
    const QString file = QDir::toNativeSeparators(*historyFilePath("Ann"));
    const struct {
        const char* what;
        long won;
        QString told;
    } cases[] = {
        {"nothing played", 0,
         "The game history " + file + " is damaged at line 2, and is kept as it is."},
        {"a game won", 1,
         "The game history " + file +
             " is damaged at line 2, and is kept as it is. Today's games were added to its end."},
    };
    for (const auto& c : cases) {
        setContent("Ann", damaged);
        HistoryRecorder recorder;
        state_ = GameState();
        if (c.won > 0)
            recorder.gameEnded(ended("Ann", c.won, 0), Today);
        EXPECT_EQ(recorder.quit(ended("Ann", c.won, 0), Today), c.told) << c.what;
        EXPECT_TRUE(content("Ann").startsWith(damaged)) << c.what;
    }
    EXPECT_TRUE(content("Ann").endsWith("#2001-03-14#,1,0\r\n"));
}

// Two copies of the game recording for one player at once lose none of each
// other's games.
TEST_F(HistoryRecorderTest, TwoCopiesRecordingAtOnceKeepAllGames) {
    const std::string app = QCoreApplication::applicationName().toStdString();
    const auto start = [&](const char* kind) {
        const char* args[] = {HISTORY_WRITER_HELPER, app.c_str(), "Ann", "60", kind, nullptr};
        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, args[0], nullptr, nullptr, const_cast<char**>(args), environ),
                  0);
        return pid;
    };
    const pid_t winner = start("won");
    const pid_t loser = start("lost");
    for (pid_t pid : {winner, loser}) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(content("Ann"), "#2001-03-14#,60,60\r\n");
}

} // namespace
} // namespace pipwright
