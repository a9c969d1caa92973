#include "storage/GameHistory.h"

#include "FileSizeLimit.h"
#include "storage/HistoryRecorder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pipwright {
namespace {

const QDate Today(2001, 3, 14);

// Points the per-user data folder into a fresh temporary home.
class GameHistory : public ::testing::Test {
protected:
    void SetUp() override {
        oldHome_ = qgetenv("HOME");
        qputenv("HOME", home_.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    }
    void TearDown() override { qputenv("HOME", oldHome_); }

    static QString file(const char* player = "Ann", std::string_view preset = {}) {
        return *historyFilePath(player, preset);
    }
    static QByteArray content(const char* player = "Ann", std::string_view preset = {}) {
        QFile f(file(player, preset));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no file)");
    }
    static void setContent(const QByteArray& bytes) {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // The state after a game of the given player ends, recording on.
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

TEST_F(GameHistory, NothingToRecordCreatesNoFile) {
    EXPECT_TRUE(recordHistory("Ann", 0, 0, Today).ok);
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_FALSE(historyText("Ann"));
}

TEST_F(GameHistory, TwoQuitsOnOneDayMakeOneLine) {
    ASSERT_TRUE(recordHistory("Ann", 2, 1, Today).ok);
    ASSERT_TRUE(recordHistory("Ann", 1, 0, Today).ok);
    EXPECT_EQ(content(), "#2001-03-14#,3,1\r\n");
}

TEST_F(GameHistory, RewriteDropsZeroLinesAndKeepsOrderOfLastOccurrence) {
    setContent("#2001-03-14#,1,0\r\n#2001-03-12#,0,0\r\n#2001-03-13#,0,2\r\n");
    ASSERT_TRUE(recordHistory("Ann", 0, 0, Today).ok);
    EXPECT_EQ(content(), "#2001-03-14#,1,0\r\n#2001-03-13#,0,2\r\n");
    ASSERT_TRUE(recordHistory("Ann", 0, 1, Today).ok);
    EXPECT_EQ(content(), "#2001-03-13#,0,2\r\n#2001-03-14#,1,1\r\n");
}

TEST_F(GameHistory, UnreadableFileIsNotRewritten) {
    const QByteArray damaged = "#2001-03-14#,1,0\r\nnot a record";
    setContent(damaged);
    const HistoryOutcome nothingToAdd = recordHistory("Ann", 0, 0, Today);
    EXPECT_FALSE(nothingToAdd.ok);
    EXPECT_FALSE(nothingToAdd.appendedOnly);
    EXPECT_EQ(content(), damaged);
    const HistoryOutcome added = recordHistory("Ann", 1, 2, Today);
    EXPECT_FALSE(added.ok);
    EXPECT_TRUE(added.appendedOnly) << "the message must not say the games were lost";
    EXPECT_EQ(content(), damaged + "\r\n#2001-03-14#,1,2\r\n") << "today's games are kept";
    EXPECT_FALSE(historyText("Ann"));
}

TEST_F(GameHistory, FailedRewriteKeepsTheOldFile) {
    const QByteArray old = "#2001-03-13#,1,0\r\n#2001-03-13#,1,0\r\n";
    setContent(old);
    HistoryOutcome recorded;
    {
        const FileSizeLimit limit(8);
        recorded = recordHistory("Ann", 1, 0, Today);
    }
    EXPECT_FALSE(recorded.ok);
    EXPECT_EQ(content(), old);
}

TEST_F(GameHistory, FolderThatCannotBeMadeFailsQuietly) {
    QFile plain(home_.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    qputenv("HOME", plain.fileName().toLocal8Bit());
    const HistoryOutcome recorded = recordHistory("Ann", 1, 0, Today);
    EXPECT_FALSE(recorded.ok);
    EXPECT_FALSE(recorded.reason.isEmpty());
}

TEST_F(GameHistory, NamesThatCouldLeaveTheFolderAreRefused) {
    for (const char* name : {"", "A/b", "..\\b", "A\nb"}) {
        EXPECT_FALSE(historyFilePath(name)) << name;
        EXPECT_FALSE(recordHistory(name, 1, 0, Today).ok) << name;
    }
}

TEST_F(GameHistory, TextShowsEachRecordWithTheShortDate) {
    setContent("#2001-03-14#,3,1\r\n");
    const std::optional<QString> text = historyText("Ann");
    ASSERT_TRUE(text);
    const QString date = QLocale::system().toString(Today, QLocale::ShortFormat);
    EXPECT_EQ(*text,
              "Ann,  Your game history is:\r\rDate of Play       Games Won        Games Lost\r"
              "  " +
                  date + QString(23, ' ') + "3" + QString(24, ' ') + "1\r");
}

// Each game is on disk once it ends, in the file of the player who played it.
TEST_F(GameHistory, EachGameGoesToItsPlayerWhenItEnds) {
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
TEST_F(GameHistory, QuitNamesTheDamagedFileAndLine) {
    const QByteArray damaged = "#2001-03-13#,1,0\r\nnot a record\r\n";
    const QString shown = QDir::toNativeSeparators(file());
    const struct {
        const char* what;
        long won;
        QString told;
    } cases[] = {
        {"nothing played", 0,
         "The game history " + shown + " is damaged at line 2, and is kept as it is."},
        {"a game won", 1,
         "The game history " + shown +
             " is damaged at line 2, and is kept as it is. Today's games were added to its end."},
    };
    for (const auto& c : cases) {
        setContent(damaged);
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
TEST_F(GameHistory, TwoCopiesRecordingAtOnceKeepAllGames) {
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

struct PresetGames {
    const char* preset;
    int won, lost;
    const char* file; // beside the classic history
    const char* content;
};

// Each preset's games go to a file of their own, merged by date, read back as
// written; the classic history keeps its bytes.
TEST_F(GameHistory, EachPresetKeepsItsOwnFile) {
    const QByteArray classic = "#2001-03-12#,2,0\r\n";
    setContent(classic);
    const PresetGames cases[] = {
        {"partners", 1, 0, "Ann.partners.tot", "#2001-03-14#,1,0\r\n"},
        {"all-fives", 0, 1, "Ann.all-fives.tot", "#2001-03-14#,0,1\r\n"},
        {"fives-and-threes", 2, 1, "Ann.fives-and-threes.tot", "#2001-03-14#,2,1\r\n"},
        {"partners", 0, 2, "Ann.partners.tot", "#2001-03-14#,1,2\r\n"},
    };
    for (const PresetGames& c : cases) {
        ASSERT_TRUE(recordHistory("Ann", c.won, c.lost, Today, c.preset).ok) << c.preset;
        EXPECT_EQ(QFileInfo(file("Ann", c.preset)).fileName(), c.file);
        EXPECT_EQ(content("Ann", c.preset), c.content) << c.preset;
    }
    EXPECT_EQ(*historyRecords("Ann", "partners"),
              std::vector<HistoryRecord>({{{2001, 3, 14}, 1, 2}}));
    EXPECT_EQ(content(), classic);
    EXPECT_FALSE(historyRecords("Ann", "block"));
}

// A preset name that could leave the folder, or meet a player's own file, names no file.
TEST_F(GameHistory, PresetNamesThatCouldLeaveTheFolderAreRefused) {
    for (const char* preset : {"../x", "a/b", "Partners", "-x", "a.b", "x\n"}) {
        EXPECT_FALSE(historyFilePath("Ann", preset)) << preset;
        EXPECT_FALSE(recordHistory("Ann", 1, 0, Today, preset).ok) << preset;
    }
}

} // namespace
} // namespace pipwright
