// What the game keeps between launches: the playing conditions and the last
// name given, in a settings file of the test's own.

#include "ui/WindowGeometry.h"
#include "ui/dialogs/GameConditionsDialog.h"
#include "ui/frmDominos.h"
#include "ui/frmTitle.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace pipwright {
namespace {

class KeptSettings : public ::testing::Test {
protected:
    void SetUp() override { keepSettingsIn(folder.filePath("Pipwright.conf")); }
    void TearDown() override { keepSettingsIn(QString()); }

    // A launch: the name window up, with the box as it shows.
    static QLineEdit* nameBox(frmTitle& title) {
        title.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&title));
        return title.findChild<QLineEdit*>("Text1");
    }

    QTemporaryDir folder;
};

TEST_F(KeptSettings, ConditionsAndNameOutliveTheLaunch) {
    {
        frmTitle title;
        QLineEdit* box = nameBox(title);
        // The first launch is as it always was.
        EXPECT_EQ(box->text(), "");
        const GameState& s = title.game().engine().state();
        EXPECT_EQ(s.PlayLevel, False);
        EXPECT_EQ(s.SecondsToPlay, 6);
        EXPECT_EQ(s.WinnerReStartsGame, False);
        EXPECT_EQ(s.KeepGameHistory, False);
        EXPECT_FALSE(title.game().conditions().timerBoxChecked());

        QTest::keyClicks(box, "ann");
        QTest::keyClick(box, Qt::Key_Return);
        GameConditionsDialog& dialog = title.game().conditions();
        for (const char* name :
             {"CHKMasterPlayer", "ChkWinnerStarts", "ChkGameHistory", "ChkToStartTheTimer"})
            dialog.findChild<QCheckBox*>(name)->click();
        dialog.findChild<QSlider*>("Slider1")->setValue(9);
        dialog.findChild<QPushButton*>("Command1")->click();
        title.game().close();
    }
    frmTitle title;
    QLineEdit* box = nameBox(title);
    // The last name stands selected: Enter keeps it.
    EXPECT_EQ(box->text(), "Ann");
    EXPECT_EQ(box->selectedText(), "Ann");
    QTest::keyClick(box, Qt::Key_Return);
    const GameState& s = title.game().engine().state();
    EXPECT_EQ(s.PlayerName, "Ann");
    EXPECT_EQ(s.PlayLevel, True);
    EXPECT_EQ(s.MasterLevel, True);
    EXPECT_EQ(s.SecondsToPlay, 9);
    EXPECT_EQ(s.WinnerReStartsGame, True);
    EXPECT_EQ(s.KeepGameHistory, True);
    GameConditionsDialog& dialog = title.game().conditions();
    EXPECT_TRUE(dialog.timerBoxChecked());
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("CHKMasterPlayer")->isChecked());
    EXPECT_FALSE(dialog.findChild<QCheckBox*>("CHKNovicePlayer")->isChecked());
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("ChkWinnerStarts")->isChecked());
    EXPECT_FALSE(dialog.findChild<QCheckBox*>("ChkEachDraws")->isChecked());
    EXPECT_EQ(dialog.findChild<QSlider*>("Slider1")->value(), 9);
}

// Typing over the last name replaces it whole.
TEST_F(KeptSettings, TypingReplacesTheLastName) {
    keptSettings().setValue("player/name", "Ann");
    frmTitle title;
    QLineEdit* box = nameBox(title);
    QTest::keyClicks(box, "bo");
    EXPECT_EQ(box->text(), "bo");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(title.game().engine().state().PlayerName, "Bo");
}

} // namespace
} // namespace pipwright
