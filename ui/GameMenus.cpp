#include "ui/GameMenus.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace pipwright {

GameMenus::GameMenus(QMenuBar& bar) {
    auto add = [this](QMenu* menu, Menu entry, const char* name, const char* caption,
                      const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(QCoreApplication::translate("GameMenus", caption));
        action->setObjectName(QString::fromLatin1(name));
        // A disabled entry's shortcut is disabled with it.
        action->setShortcut(shortcut);
        actions_[static_cast<std::size_t>(entry)] = action;
    };

    QMenu* game = game_ = bar.addMenu(QCoreApplication::translate("GameMenus", "&Game Conditions"));
    game->setObjectName(QStringLiteral("mnuwaste"));
    add(game, Menu::OpenGame, "mnuOpenGame",
        QT_TRANSLATE_NOOP("GameMenus", "&Open a Previous Game"),
        QKeySequence(Qt::CTRL | Qt::Key_O));
    add(game, Menu::SaveGame, "mnuSaveGame",
        QT_TRANSLATE_NOOP("GameMenus", "&Save the Present Game"),
        QKeySequence(Qt::CTRL | Qt::Key_S));
    QMenu* restart = game->addMenu(QCoreApplication::translate("GameMenus", "&Restart"));
    restart->setObjectName(QStringLiteral("mnutiopi"));
    add(restart, Menu::RestartTheRound, "mnuRestartTheRound",
        QT_TRANSLATE_NOOP("GameMenus", "T&he Existing Round"), QKeySequence(Qt::CTRL | Qt::Key_R));
    add(restart, Menu::RestartTheGame, "mnuRestartTheGame",
        QT_TRANSLATE_NOOP("GameMenus", "&The Entire Game"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    add(game, Menu::GameHistory, "mnuGameHistory", QT_TRANSLATE_NOOP("GameMenus", "Game &History"));
    add(game, Menu::ScoreSheet, "mnuScoreSheet", QT_TRANSLATE_NOOP("GameMenus", "S&core Sheet"),
        QKeySequence(Qt::CTRL | Qt::Key_T));
    add(game, Menu::GameConditions, "mnuGameConditions",
        QT_TRANSLATE_NOOP("GameMenus", "&Playing Conditions"));
    newTable_ = game->addAction(QCoreApplication::translate("GameMenus", "New &Table..."));
    newTable_->setObjectName(QStringLiteral("mnuNewTable"));
    newTable_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    add(game, Menu::Hint, "mnuHint", QT_TRANSLATE_NOOP("GameMenus", "H&int"),
        QKeySequence(Qt::Key_H));
    actions_[static_cast<std::size_t>(Menu::Hint)]->setEnabled(false);
    // The window's own H key gives the hint or says why not; the entry shows
    // the key without taking it from the window.
    actions_[static_cast<std::size_t>(Menu::Hint)]->setShortcutContext(Qt::WidgetShortcut);
    add(game, Menu::Quit, "mnuQuit", QT_TRANSLATE_NOOP("GameMenus", "&Quit"),
        QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* help = bar.addMenu(QCoreApplication::translate("GameMenus", "&Help"));
    help->setObjectName(QStringLiteral("mnuwastee"));
    add(help, Menu::HelpFile, "mnuHelpFile", QT_TRANSLATE_NOOP("GameMenus", "&Contents"),
        QKeySequence(Qt::Key_F1));
    add(help, Menu::Author, "mnuAuthor", QT_TRANSLATE_NOOP("GameMenus", "&About Dominos"));
}

} // namespace pipwright
