#include "storage/GameHistory.h"

#include "FileSizeLimit.h"

#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

    static QString file() { return *historyFilePath("Ann"); }
    static QByteArray content() {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no file)");
    }
    static void setContent(const QByteArray& bytes) {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

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

} // namespace
} // namespace pipwright
