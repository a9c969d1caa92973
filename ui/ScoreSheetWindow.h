#pragma once

#include <QDialog>
#include <cstddef>

class QListWidget;

namespace pipwright {

class Engine;

// The score sheet beside the table: one plain line per count that scored and
// per round's end, as the engine noted them. It does not block play and
// follows the game as it goes.
class ScoreSheetWindow : public QDialog {
    Q_OBJECT
public:
    ScoreSheetWindow(Engine& engine, QWidget* mainWindow);

    QListWidget& lines() const { return *lines_; }

private:
    // Writes the entries noted since the last call; all of them when the
    // sheet has started afresh.
    void follow();

    Engine& engine_;
    QListWidget* lines_ = nullptr;
    int fresh_ = -1;
    std::size_t shown_ = 0;
};

// Shows the main window's score sheet, made the first time, and gives it the
// keyboard.
ScoreSheetWindow& showScoreSheet(Engine& engine, QWidget& mainWindow);

} // namespace pipwright
