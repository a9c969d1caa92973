#pragma once

#include "storage/SavedGame.h"
#include "storage/WholeFile.h"

#include <QString>
#include <optional>

namespace pipwright {

// The name a saved game is written under: one without a suffix, or ending in
// a dot, gets the game's own ".txt".
QString settledGameFileName(const QString& path);

// Writes the game to path in one step, once the reader has opened the bytes
// to the same game: when anything fails, a file already there keeps its old
// content.
FileOutcome savePresentGame(const QString& path, const GameState& state, bool timerRunning);

struct OpenedGame {
    std::optional<LoadedGame> game;
    QString reason;
};

// Reads a saved game over a copy of current. Nothing is returned unless the
// whole file reads and passes its checks.
OpenedGame openPreviousGame(const QString& path, const GameState& current);

} // namespace pipwright
