#include "GameWindowFixture.h"

#include <QHash>
#include <QMenu>
#include <QMenuBar>

namespace pipwright {
namespace {

struct Entry {
    Menu menu;
    const char* caption;
    bool enabledWhileKilled; // after KillTheMenus, as from Form_Load on
};

const Entry Entries[] = {
    {Menu::OpenGame, "&Open a Previous Game", true},
    {Menu::SaveGame, "&Save the Present Game", false},
    {Menu::RestartTheRound, "T&he Existing Round", true},
    {Menu::RestartTheGame, "&The Entire Game", false},
    {Menu::GameHistory, "Game &History", false},
    {Menu::ScoreSheet, "S&core Sheet", true},
    {Menu::GameConditions, "&Playing Conditions", false},
    {Menu::Quit, "&Quit", true},
    {Menu::HelpFile, "&Contents", true},
    {Menu::Author, "&About Dominos", false},
};

QStringList captions(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* action : actions)
        out << action->text();
    return out;
}

using Menus = GameWindowTest;

TEST_F(Menus, TreeHasTheGamesCaptionsInOrder) {
    EXPECT_EQ(captions(window->menuBar()->actions()), (QStringList{"&Game Conditions", "&Help"}));
    auto* game = window->findChild<QMenu*>("mnuwaste");
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(
        captions(game->actions()),
        (QStringList{"&Open a Previous Game", "&Save the Present Game", "&Restart", "Game &History",
                     "S&core Sheet", "&Playing Conditions", "New &Table...", "H&int", "&Quit"}));
    auto* restart = window->findChild<QMenu*>("mnutiopi");
    ASSERT_NE(restart, nullptr);
    EXPECT_EQ(captions(restart->actions()),
              (QStringList{"T&he Existing Round", "&The Entire Game"}));
    auto* help = window->findChild<QMenu*>("mnuwastee");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(captions(help->actions()), (QStringList{"&Contents", "&About Dominos"}));
    for (const Entry& e : Entries)
        EXPECT_EQ(window->menuEntry(e.menu)->text(), QString::fromLatin1(e.caption));
}

// No two of the window's commands answer the same keys (New Table's Ctrl+N
// included). An entry that only shows its key, as Hint shows the window's H,
// answers none.
TEST_F(Menus, NoShortcutIsTakenTwice) {
    QHash<QKeySequence, QString> taken;
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->shortcutContext() == Qt::WidgetShortcut)
            continue;
        for (const QKeySequence& keys : action->shortcuts()) {
            EXPECT_FALSE(taken.contains(keys))
                << keys.toString().toStdString() << ": " << action->objectName().toStdString()
                << " and " << taken.value(keys).toStdString();
            taken.insert(keys, action->objectName());
        }
    }
    EXPECT_TRUE(taken.contains(QKeySequence(Qt::CTRL | Qt::Key_N)));
}

TEST_F(Menus, KillTheMenusLeavesOnlyTheSafeEntries) {
    // Form_Load has killed the menus; activating and killing again toggles
    // exactly the five guarded entries, and Open is only ever switched on.
    for (const Entry& e : Entries)
        EXPECT_EQ(window->menuEntry(e.menu)->isEnabled(), e.enabledWhileKilled) << e.caption;
    engine().ActivateTheMenus();
    for (const Entry& e : Entries)
        EXPECT_TRUE(window->menuEntry(e.menu)->isEnabled()) << e.caption;
    engine().KillTheMenus();
    for (const Entry& e : Entries)
        EXPECT_EQ(window->menuEntry(e.menu)->isEnabled(), e.enabledWhileKilled) << e.caption;
}

TEST_F(Menus, RestartFromTheMenuWaitsForTheRunningFlow) {
    int pauses = 0;
    bool changedDuringPause = false;
    window->blockingCalls().pause = [&](double) {
        if (++pauses > 1)
            return;
        const Integer before = state().GameStatus;
        window->menuEntry(Menu::RestartTheRound)->trigger();
        changedDuringPause = state().GameStatus != before;
    };
    click(Picture::BoneYard, 75 + 125, state().BoneYardTop + 125); // the draw for first play
    ASSERT_GT(pauses, 0);
    EXPECT_FALSE(changedDuringPause);
    // Once the flow returned, the restart ran: a fresh draw for first play.
    EXPECT_EQ(state().GameStatus, Phase::DrawForFirstPlay);
    EXPECT_EQ(label("Label1"),
              "Tess, Click on any Domino in the BoneYard to see who Plays First..");
}

} // namespace
} // namespace pipwright
