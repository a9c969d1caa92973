#include "ui/table/TableHistory.h"

#include "rules/Presets.h"
#include "storage/GameHistory.h"
#include "storage/SavedTableFile.h"
#include "ui/WindowGeometry.h"
#include "ui/table/TableWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pipwright {
namespace {

const QDate Today(2026, 12, 10);

// A fresh home for the history and the kept settings, with the player's name.
class TableHistory : public ::testing::Test {
protected:
    void SetUp() override {
        oldHome_ = qgetenv("HOME");
        qputenv("HOME", home_.path().toLocal8Bit());
        keepSettingsIn(home_.filePath(QStringLiteral("kept.conf")));
        keep("Ann", true);
    }
    void TearDown() override {
        keepSettingsIn(QString());
        qputenv("HOME", oldHome_);
    }

    static void keep(const QString& name, bool history) {
        QSettings kept = keptSettings();
        kept.setValue(QStringLiteral("player/name"), name);
        kept.setValue(QStringLiteral("conditions/history"), history);
    }
    static rules::RuleSet rulesOf(rules::Preset preset, int seats, bool partners) {
        rules::Choices choices;
        choices.seats = seats;
        choices.partners = partners;
        return *rules::choose(preset, choices).rules;
    }
    static QByteArray content(const char* preset, const char* player = "Ann") {
        QFile f(historyFilePath(player, preset).value_or(QString()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no file)");
    }

    QTemporaryDir home_;
    QByteArray oldHome_;
};

struct Ended {
    rules::Preset preset{};
    int seats = 2;
    bool partners = false;
    int side = 0; // the side that won
    const char* file = nullptr;
    const char* content = nullptr;
    const char* name = "Ann";
    bool history = true;
};

// Won when the player's side won, partner's win included; each preset in its
// file; nothing when the player keeps no history or gave no name.
TEST_F(TableHistory, EachGameGoesToItsPresetWonOrLost) {
    const Ended cases[] = {
        {rules::Preset::Partners, 4, true, 0, "partners", "#2026-12-10#,1,0\r\n"},
        {rules::Preset::Block, 3, false, 2, "block", "#2026-12-10#,0,1\r\n"},
        {rules::Preset::AllFives, 4, true, 1, "all-fives", "#2026-12-10#,0,1\r\n"},
        {rules::Preset::Partners, 4, true, 1, "partners", "#2026-12-10#,1,1\r\n"},
        {rules::Preset::Draw, 2, false, 0, "draw", "(no file)", "Ann", false},
        {rules::Preset::Draw, 2, false, 0, "draw", "(no file)", "", true},
    };
    for (const Ended& c : cases) {
        keep(QString::fromUtf8(c.name), c.history);
        const rules::RuleSet rules = rulesOf(c.preset, c.seats, c.partners);
        EXPECT_EQ(recordTableGame(rules, {c.side, rules::firstSeatOf(rules, c.side)}, Today), "");
        EXPECT_EQ(content(c.file), c.content) << c.file;
    }
    EXPECT_FALSE(QFile::exists(*historyFilePath("Ann")));
}

// A game the history could not take waits, and goes in with the next.
TEST_F(TableHistory, AGameNotWrittenWaitsForTheNext) {
    const rules::RuleSet rules = rulesOf(rules::Preset::Draw, 2, false);
    const QString path = *historyFilePath("Ann", "draw");
    ASSERT_TRUE(QDir().mkpath(path)); // a folder where the file goes
    EXPECT_NE(recordTableGame(rules, {0, 0}, Today), "");
    ASSERT_TRUE(QDir().rmdir(path));
    EXPECT_EQ(recordTableGame(rules, {1, 1}, Today), "");
    EXPECT_EQ(content("draw"), "#2026-12-10#,1,1\r\n");
}

// Closing a table tries the waiting games once more, and says so when they
// still cannot be written.
TEST_F(TableHistory, ClosingTheTableTriesTheWaitingGamesAgain) {
    const rules::RuleSet rules = rulesOf(rules::Preset::Draw, 2, false);
    const QString path = *historyFilePath("Ann", "draw");
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_NE(recordTableGame(rules, {0, 0}, Today), "");
    session::TableSetup setup;
    setup.rules = rules;
    setup.levels.fill(table::Level::Novice);
    const auto closeATable = [&] {
        TableWindow window(setup);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        window.close();
        QWidget* told = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QStringLiteral("HistoryNotWritten") && top->isVisible())
                told = top;
        if (told)
            told->close();
        return told != nullptr;
    };
    EXPECT_TRUE(closeATable());
    ASSERT_TRUE(QDir().rmdir(path));
    EXPECT_FALSE(closeATable());
    // The retry writes on the day the table closed.
    EXPECT_TRUE(content("draw").endsWith("#,1,0\r\n")) << content("draw").toStdString();
    EXPECT_EQ(content("draw").count('\n'), 1);
}

// A finished game saved and opened again shows its end but is not counted twice.
TEST_F(TableHistory, AFinishedGameOpenedAgainIsNotCountedAgain) {
    session::TableSetup setup;
    setup.rules = rulesOf(rules::Preset::Block, 2, false);
    setup.levels.fill(table::Level::Novice);
    session::TableSession played(setup);
    while (played.game().phase() != rules::Phase::GameOver) {
        if (played.humanToPlay())
            ASSERT_TRUE(
                played.lay(played.humanMoves()[0].domino, played.humanMoves()[0].end).accepted() ||
                played.pass().accepted() || played.draw().accepted());
        else if (played.computerToPlay())
            ASSERT_TRUE(played.playComputerTurn().accepted());
        else
            ASSERT_TRUE(played.nextHand().accepted());
    }
    const QString path = home_.filePath(QStringLiteral("over.table"));
    ASSERT_TRUE(saveTable(path, played).ok);
    TableWindow window(setup);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    std::unique_ptr<TableWindow> opened(window.openFrom(path));
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->statusText().contains(QStringLiteral("won")))
        << opened->statusText().toStdString();
    EXPECT_EQ(content("block"), "(no file)");
}

// The table's Game History opens at its preset's chart, the classic game
// first in the chooser, and a choice shows its own totals.
TEST_F(TableHistory, WindowChoosesAmongTheGamesPlayed) {
    ASSERT_TRUE(recordHistory("Ann", 3, 1, Today).ok);
    ASSERT_TRUE(recordHistory("Ann", 1, 1, Today, "block").ok);
    ASSERT_TRUE(recordHistory("Ann", 0, 2, Today, "fives-and-threes").ok);
    session::TableSetup setup;
    setup.rules = rulesOf(rules::Preset::Block, 2, false);
    setup.levels.fill(table::Level::Novice);
    TableWindow window(setup);
    window.setAttribute(Qt::WA_DeleteOnClose, false);

    window.action(TableCommand::GameHistory)->trigger();
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    auto* chooser = modal->findChild<QComboBox*>(QStringLiteral("CboHistoryGame"));
    ASSERT_NE(chooser, nullptr);
    const QString chosen = chooser->currentText();
    QStringList games;
    for (int i = 0; i < chooser->count(); ++i)
        games << chooser->itemText(i);
    chooser->setCurrentIndex(0);
    EXPECT_TRUE(modal->findChild<QLabel*>("LblHistoryTotals")->text().startsWith("Won 3"));
    modal->close();
    EXPECT_EQ(chosen, "Block");
    EXPECT_EQ(games, QStringList({"Classic game", "Block", "Fives and Threes"}));
}

} // namespace
} // namespace pipwright
