#include "SampleGames.h"
#include "language/Translation.h"
#include "storage/GameHistory.h"
#include "storage/SavedGameFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

namespace pipwright {
namespace {

// A language in which every text differs from its English source: each one
// comes back in angle brackets.
class Bracketed : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QLatin1Char('<') + QString::fromUtf8(source) + QLatin1Char('>');
    }
};

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

class TranslatedStorage : public ::testing::Test {
protected:
    void SetUp() override {
        oldHome_ = qgetenv("HOME");
        qputenv("HOME", home_.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }
    void TearDown() override {
        QCoreApplication::removeTranslator(&bracketed_);
        qputenv("HOME", oldHome_);
    }
    void speakBracketed() { ASSERT_TRUE(QCoreApplication::installTranslator(&bracketed_)); }

    // The saved game and the history file written in the language in use.
    QByteArray filesWritten(const char* folder) {
        const QString game = home_.filePath(QLatin1String(folder) + QStringLiteral(".txt"));
        EXPECT_TRUE(savePresentGame(game, samples::gameInPlay(), true).ok);
        const std::string player = folder;
        EXPECT_TRUE(recordHistory(player, 2, 1, QDate(2001, 3, 14)).ok);
        EXPECT_TRUE(recordHistory(player, 0, 4, QDate(2001, 3, 15)).ok);
        EXPECT_TRUE(recordHistory(player, 1, 0, QDate(2001, 3, 14)).ok);
        return contentOf(game) + "|" + contentOf(*historyFilePath(player));
    }

    int argc_ = 1;
    char name_[14] = "storage_tests";
    char* argv_[1] = {name_};
    QCoreApplication app_{argc_, argv_};
    Bracketed bracketed_;
    QTemporaryDir home_;
    QByteArray oldHome_;
};

TEST_F(TranslatedStorage, FilesAreTheSameBytesInEveryLanguage) {
    const QByteArray english = filesWritten("Ann");
    speakBracketed();
    EXPECT_EQ(filesWritten("Bob"), english);
}

// Each reason reaches the player translated whole, the texts inside it too.
TEST_F(TranslatedStorage, ReasonsComeOutInThePlayersLanguage) {
    GameState badScore = samples::gameInPlay();
    badScore.PlayerScore = Variant::whole(7);
    struct Case {
        const char* what;
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"empty file", "", "<line 1: <the file ends before <the phase code>>>"},
        {"out of range", "9", "<line 1: <<the phase code> is 9, not 0 to 3>>"},
        {"unclosed quote", "0,\"Ann", "<line 1: <a quoted text is not closed>>"},
        {"invariant", writeSavedGame(badScore, false),
         "<the dominoes are not a game that can be played: <PlayerScore 7>>"},
    };
    speakBracketed();
    for (const Case& c : cases) {
        const QString path = home_.filePath(QStringLiteral("game.txt"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes.data(), static_cast<qint64>(c.bytes.size()));
        file.close();
        const OpenedGame opened = openPreviousGame(path, samples::freshGame());
        EXPECT_FALSE(opened.game) << c.what;
        EXPECT_EQ(opened.reason.toStdString(), c.reason) << c.what;
    }
    EXPECT_EQ(translated(readHistory("#2001-03-14#,2,1\r\njunk\r\n").error).toStdString(),
              "<line 2 is not a date and two counts>");
    EXPECT_EQ(translated(historyTitle("Ann")).toStdString(), "<Ann's Game History..>");
}

} // namespace
} // namespace pipwright
