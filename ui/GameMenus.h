#pragma once

#include "game/WindowPort.h"

#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace pipwright {

// The main window's menu bar, its entries reachable by the game's names.
class GameMenus {
public:
    explicit GameMenus(QMenuBar& bar);
    QAction* operator[](Menu menu) const { return actions_[static_cast<std::size_t>(menu)]; }
    // The "&Game Conditions" menu.
    QMenu* gameMenu() const { return game_; }
    // "New Table...": a table for two to four in a window of its own.
    QAction* newTable() const { return newTable_; }

private:
    std::array<QAction*, MenuCount> actions_{};
    QMenu* game_ = nullptr;
    QAction* newTable_ = nullptr;
};

} // namespace pipwright
