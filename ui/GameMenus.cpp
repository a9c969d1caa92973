#include "ui/GameMenus.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace pipwright {

GameMenus::GameMenus(QMenuBar& bar) {
    auto add = [this](QMenu* menu, Menu entry, const char* name, const char* caption,
                      const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        // A disabled entry's shortcut is disabled with it.
        action->setShortcut(shortcut);
        actions_[static_cast<std::size_t>(entry)] = action;
    };

    QMenu* game = game_ = bar.addMenu(QStringLiteral("&Game Conditions"));
    game->setObjectName(QStringLiteral("mnuwaste"));
    add(game, Menu::OpenGame, "mnuOpenGame", "&Open a Previous Game",
        QKeySequence(Qt::CTRL | Qt::Key_O));
    add(game, Menu::SaveGame, "mnuSaveGame", "&Save the Present Game",
        QKeySequence(Qt::CTRL | Qt::Key_S));
    QMenu* restart = game->addMenu(QStringLiteral("&Restart"));
    restart->setObjectName(QStringLiteral("mnutiopi"));
    add(restart, Menu::RestartTheRound, "mnuRestartTheRound", "T&he Existing Round",
        QKeySequence(Qt::CTRL | Qt::Key_R));
    add(restart, Menu::RestartTheGame, "mnuRestartTheGame", "&The Entire Game",
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    add(game, Menu::GameHistory, "mnuGameHistory", "Game &History");
    add(game, Menu::ScoreSheet, "mnuScoreSheet", "S&core Sheet",
        QKeySequence(Qt::CTRL | Qt::Key_T));
    add(game, Menu::GameConditions, "mnuGameConditions", "&Playing Conditions");
    add(game, Menu::Hint, "mnuHint", "&Hint", QKeySequence(Qt::Key_H));
    actions_[static_cast<std::size_t>(Menu::Hint)]->setEnabled(false);
    add(game, Menu::Quit, "mnuQuit", "&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* help = bar.addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuwastee"));
    add(help, Menu::HelpFile, "mnuHelpFile", "&Contents", QKeySequence(Qt::Key_F1));
    add(help, Menu::Author, "mnuAuthor", "&About Dominos");
}

} // namespace pipwright
