#include "ui/NameEntry.h"

#include "language/TypedName.h"
#include "storage/GameHistory.h"
#include "storage/SavedGame.h"
#include "storage/SavedGameFile.h"
#include "ui/frmDominos.h"
#include "ui/frmTitle.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace pipwright {
namespace {

constexpr int Enter = 13;
constexpr int Backspace = 8;

std::vector<char32_t> keys(const char* typed) {
    std::vector<char32_t> out;
    for (const char* c = typed; *c; ++c)
        out.push_back(static_cast<unsigned char>(*c));
    return out;
}

struct NameCase {
    const char* what;
    std::vector<char32_t> keys; // Enter follows
    const char* name;
};

TEST(NameEntry, BuildsTheNameFromTheKeysTyped) {
    const NameCase cases[] = {
        {"nothing typed", {}, "Player"},
        {"digit and blank dropped, cut to eight", keys("aBCD5 efghij"), "Abcdefgh"},
        {"only digits and blanks", keys("12 34"), "Player"},
        {"first raised, rest lowered", keys("mARY"), "Mary"},
        {"backspace takes the last letter off", {'x', 'y', Backspace, 'z'}, "Xz"},
        {"backspace on an empty name", {Backspace, 'a'}, "A"},
        {"backspace after a dropped digit", {'a', 'b', '7', Backspace}, "A"},
        {"other control keys ignored, accented letters kept",
         {'a', 3, 9, 233, 'b'},
         "A\xc3\xa9"
         "b"},
        {"the codes between Z and a pass", keys("a_b"), "A_b"},
    };
    for (const NameCase& c : cases) {
        NameEntry entry;
        for (char32_t key : c.keys)
            EXPECT_FALSE(entry.keyPress(key)) << c.what;
        EXPECT_TRUE(entry.keyPress(Enter)) << c.what;
        EXPECT_EQ(entry.name(), c.name) << c.what;
    }
}

// Every name the window can make, with each key code 65 to 122 first and
// later in the name, is saved with a game, opened again and keeps a history
// file inside the data folder.
TEST(NameEntry, EveryNameItMakesSavesOpensAndKeepsAHistory) {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    frmDominos window; // a fresh game, its BoneYard dealt
    for (char32_t key = 'A'; key <= 'z'; ++key) {
        for (const std::vector<char32_t>& typed :
             {std::vector<char32_t>{key, 'o'}, {'J', key, key}}) {
            NameEntry entry;
            for (char32_t k : typed)
                entry.keyPress(k);
            entry.keyPress(Enter);
            const std::string name = entry.name();
            GameState game = window.engine().state();
            game.PlayerName = name;
            const LoadResult read = readSavedGame(writeSavedGame(game, false), GameState());
            ASSERT_TRUE(read.game) << name << ": " << read.error.english();
            EXPECT_EQ(read.game->state.PlayerName, name);
            const std::optional<QString> path = historyFilePath(name);
            ASSERT_TRUE(path) << name;
            EXPECT_EQ(QFileInfo(*path).absolutePath(), folder) << name;
            EXPECT_TRUE(recordHistory(name, 1, 0, QDate(2001, 3, 14)).ok) << name;
            EXPECT_TRUE(historyText(name)) << name;
        }
    }
    qputenv("HOME", oldHome);
}

// Every letter and mark of every alphabet, first in a name and later in it,
// makes a name the files accept and the window would make again.
TEST(NameEntry, EveryLetterMakesANameTheFilesKeep) {
    int letters = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (!isNameCharacter(c) || (c >= 0xD800 && c <= 0xDFFF))
            continue;
        ++letters;
        for (const std::vector<char32_t>& typed : {std::vector<char32_t>{c, 'o'}, {'J', c, c}}) {
            NameEntry entry;
            for (char32_t k : typed)
                entry.keyPress(k);
            entry.keyPress(Enter);
            ASSERT_TRUE(isMadeName(entry.name())) << std::hex << unsigned(c) << " " << entry.name();
        }
    }
    EXPECT_GT(letters, 100000);
}

struct LanguageName {
    const char* language;
    const char* typed; // UTF-8
    const char* name;
};

// Names from each language the game speaks, typed in the name window under
// that language, keep their letters in every caption, a saved game and the
// history file named after them.
TEST(NameEntry, NamesOfEveryLanguageKeepTheirLettersInFiles) {
    const LanguageName cases[] = {
        {"en", "chlo\xc3\xab", "Chlo\xc3\xab"},
        {"en", "Zo\xc3\xab 2", "Zo\xc3\xab"},
        {"es", "\xc3\xad\xc3\xb1igo", "\xc3\x8d\xc3\xb1igo"},
        {"es",
         "MAR\xc3\x8d"
         "A JOS\xc3\x89",
         "Mar\xc3\xad"
         "ajos"},
        {"pt_BR", "jo\xc3\xa3o", "Jo\xc3\xa3o"},
        {"pt_BR", "concei\xc3\xa7\xc3\xa3o", "Concei\xc3\xa7\xc3\xa3"},
        {"fr", "\xc3\xa9lo\xc3\xafse", "\xc3\x89lo\xc3\xafse"},
        {"fr", "e\xcc\x81lodie", "\xc3\x89lodie"}, // typed with a combining accent
        {"fr", "FRAN\xc3\x87OIS", "Fran\xc3\xa7ois"},
        {"de", "j\xc3\xbcrgen", "J\xc3\xbcrgen"},
        {"de",
         "GR\xc3\x96\xc3\x9f"
         "E",
         "Gr\xc3\xb6\xc3\x9f"
         "e"},
        {"de",
         "\xc3\x9f"
         "a",
         "Ssa"}, // ß is SS in upper case
    };
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QLocale oldLocale;
    for (const LanguageName& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.typed);
        QLocale::setDefault(QLocale(QString::fromLatin1(c.language)));
        frmTitle title;
        title.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&title));
        auto* box = title.findChild<QLineEdit*>("Text1");
        for (const QChar letter : QString::fromUtf8(c.typed)) // keys of any layout
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(letter), {});
        QTest::keyClick(box, Qt::Key_Return);
        frmDominos& game = title.game();
        const std::string name = game.engine().state().PlayerName;
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(game.findChild<QLabel*>("LblPlayer")->text(),
                  QString::fromUtf8(c.name) + "'s Dominos");

        const QString saved = home.filePath("game.txt");
        ASSERT_TRUE(savePresentGame(saved, game.engine().state(), false).ok);
        const OpenedGame opened = openPreviousGame(saved, GameState());
        ASSERT_TRUE(opened.game) << opened.reason.toStdString();
        EXPECT_EQ(opened.game->state.PlayerName, name);

        ASSERT_TRUE(recordHistory(name, 2, 1, QDate(2001, 3, 14)).ok);
        EXPECT_TRUE(QFile::exists(folder + '/' + QString::fromUtf8(c.name) + ".tot"));
        EXPECT_TRUE(historyText(name).value_or(QString()).startsWith(QString::fromUtf8(c.name)));
    }
    QLocale::setDefault(oldLocale);
    qputenv("HOME", oldHome);
}

class TitleWindow : public ::testing::Test {
protected:
    void SetUp() override {
        title.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&title));
        box = title.findChild<QLineEdit*>("Text1");
        ASSERT_NE(box, nullptr);
    }
    frmTitle title;
    QLineEdit* box = nullptr;
};

TEST_F(TitleWindow, LoadsTheGameHiddenAndAsksForTheName) {
    EXPECT_EQ(title.windowTitle(), "Pipwright");
    EXPECT_FALSE(title.game().isVisible());
    EXPECT_EQ(title.findChild<QLabel*>("Label1")->text(), "What is Your Name?");
    EXPECT_TRUE(box->hasFocus());
    // The game was set up before the name exists: the BoneYard is dealt.
    EXPECT_LT(title.game().engine().state().BoneYardArray(1, 1), NoHalf);
}

TEST_F(TitleWindow, EnterHandsTheNameToTheGame) {
    QTest::keyClicks(box, "aBCD5 efghij");
    EXPECT_EQ(box->text(), "aBCD5 ef"); // the box holds eight characters, digits too
    QTest::keyClick(box, Qt::Key_Return);
    frmDominos& game = title.game();
    EXPECT_EQ(game.engine().state().PlayerName, "Abcdefgh");
    EXPECT_TRUE(game.isVisible());
    EXPECT_FALSE(title.isVisible());
    // The first showing activated the main window with the name.
    EXPECT_EQ(game.findChild<QLabel*>("LblPlayer")->text(), "Abcdefgh's Dominos");
    EXPECT_EQ(game.findChild<QLabel*>("Label1")->text(),
              "Abcdefgh, Click on any Domino in the BoneYard to see who Plays First..");
}

TEST_F(TitleWindow, BackspaceEditsBoxAndNameAlike) {
    QTest::keyClicks(box, "zed");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, "n");
    EXPECT_EQ(box->text(), "zen");
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_EQ(title.game().engine().state().PlayerName, "Zen");
}

} // namespace
} // namespace pipwright
