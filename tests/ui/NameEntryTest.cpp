#include "ui/NameEntry.h"

#include "storage/GameHistory.h"
#include "storage/SavedGame.h"
#include "ui/frmDominos.h"
#include "ui/frmTitle.h"

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

std::vector<int> keys(const char* typed) {
    std::vector<int> out;
    for (const char* c = typed; *c; ++c)
        out.push_back(static_cast<unsigned char>(*c));
    return out;
}

struct NameCase {
    const char* what;
    std::vector<int> keys; // Enter follows
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
        {"other control keys and accented letters ignored", {'a', 3, 9, 233, 'b'}, "Ab"},
        {"the codes between Z and a pass", keys("a_b"), "A_b"},
    };
    for (const NameCase& c : cases) {
        NameEntry entry;
        for (int key : c.keys)
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
    for (int key = 'A'; key <= 'z'; ++key) {
        for (const std::vector<int>& typed : {std::vector{key, int('o')}, {'J', key, key}}) {
            NameEntry entry;
            for (int k : typed)
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
