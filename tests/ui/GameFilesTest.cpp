#include "tests/ui/GameWindowFixture.h"
#include "ui/dialogs/GameConditionsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace pipwright {
namespace {

class GameFilesTest : public GameWindowTest {
protected:
    // Answers the file dialog with path, then records the text of any
    // message box that follows and closes it.
    void answerDialogs(const QString& path) {
        QTimer::singleShot(0, &context, [this, path] { answerFileDialog(path); });
    }

    void answerFileDialog(const QString& path) {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(path);
        QTimer::singleShot(0, &context, [this] { closeMessageBox(50); });
        static_cast<QDialog*>(dialog)->accept();
    }

    // Looks for a message box a few times while the flow goes on.
    void closeMessageBox(int triesLeft) {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shownBoxes.emplace_back(box->windowTitle(), box->text());
            box->accept();
        } else if (triesLeft > 0) {
            QTimer::singleShot(1, &context, [this, triesLeft] { closeMessageBox(triesLeft - 1); });
        }
    }

    // A file of the test folder holding bytes; its path.
    QString fileHolding(const char* name, const QByteArray& bytes) {
        QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    std::vector<std::pair<QString, QString>> shownBoxes;
    QTemporaryDir folder;
    // Owns the pending timers, so none outlives the test.
    QObject context;
};

TEST_F(GameFilesTest, SavingThenOpeningRestoresTheGameAndStopsItsTimer) {
    state().PlayerName = "Ann";
    state().SecondsToPlay = 9;
    state().PlayLevel = True;
    state().KeepGameHistory = True;
    const QString path = folder.filePath("game.txt");
    // The timer runs as the conditions dialog leaves it.
    auto& dialog = window->conditions();
    dialog.findChild<QCheckBox*>("ChkToStartTheTimer")->setChecked(true);
    dialog.findChild<QPushButton*>("Command1")->click();
    window->port().setTimer1Enabled(true);
    ASSERT_TRUE(window->port().timer1Enabled());
    answerDialogs(folder.filePath("game"));
    window->mnuSaveGame_Click();
    ASSERT_TRUE(QFile::exists(path)) << "the txt extension is added";
    EXPECT_TRUE(shownBoxes.empty());
    const GameState saved = state();

    engine().mnuRestartTheGame_Click();
    state().SecondsToPlay = 3;
    state().PlayLevel = False;
    answerDialogs(path);
    window->mnuOpenGame_Click();

    EXPECT_EQ(state().SecondsToPlay, 9);
    EXPECT_EQ(state().PlayLevel, True);
    EXPECT_EQ(state().BoneYardArray, saved.BoneYardArray);
    EXPECT_FALSE(window->port().timer1Enabled());
    ASSERT_EQ(shownBoxes.size(), 1u);
    EXPECT_EQ(shownBoxes[0].first, "To Restart the Timer");
    EXPECT_EQ(shownBoxes[0].second,
              "Ann\nYour previous game had the Play Timer set to\n9 Seconds.  To Restart the "
              "Timer, select Playing\nConditions from the Menu and place a check mark in the\n"
              "proper Box.");
    EXPECT_EQ(dialog.findChild<QSlider*>("Slider1")->value(), 9);
    EXPECT_FALSE(dialog.findChild<QCheckBox*>("ChkToStartTheTimer")->isChecked());
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("CHKExpertPlayer")->isChecked());
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("ChkGameHistory")->isChecked());
}

TEST_F(GameFilesTest, ADamagedFileIsRefusedAndTheGameStaysAsItWas) {
    const QString path = fileHolding("damaged.txt", "3,\"Ann\",7,7,1,1,\"\"\r\n#TRUE#,oops\r\n");
    const GameState before = state();
    answerDialogs(path);
    window->mnuOpenGame_Click();
    EXPECT_EQ(state().BoneYardArray, before.BoneYardArray);
    EXPECT_EQ(state().GameStatus, before.GameStatus);
    ASSERT_EQ(shownBoxes.size(), 1u);
    EXPECT_EQ(shownBoxes[0].first, "Open the Previous Game");
    EXPECT_TRUE(shownBoxes[0].second.contains(path));
}

TEST_F(GameFilesTest, AFailedSaveSaysSoAndKeepsTheOldFile) {
    QFile file(fileHolding("kept.txt", "old"));
    // A folder where the file should be makes the save fail.
    answerDialogs(folder.filePath("kept.txt/inner.txt"));
    window->mnuSaveGame_Click();
    ASSERT_EQ(shownBoxes.size(), 1u);
    EXPECT_EQ(shownBoxes[0].first, "Save the Present Game");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old");
}

// A name ending in a dot becomes the .txt file it names, and that file is not
// replaced before the player says so.
TEST_F(GameFilesTest, TheSettledNameIsAskedAboutBeforeItIsReplaced) {
    QFile file(fileHolding("kept.txt", "old"));
    answerDialogs(folder.filePath("kept."));
    window->mnuSaveGame_Click();
    ASSERT_EQ(shownBoxes.size(), 1u);
    EXPECT_EQ(shownBoxes[0].first, "Save the Present Game");
    EXPECT_TRUE(shownBoxes[0].second.contains("kept.txt already exists"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old");
    EXPECT_FALSE(QFile::exists(folder.filePath("kept..txt")));
}

} // namespace
} // namespace pipwright
