#pragma once

#include "session/TableSession.h"
#include "ui/HelpViewer.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QPushButton;

namespace pipwright {

class NewsLine;
class PictureReader;
class TableDrawing;

// The commands of the table window, each a QAction.
enum class TableCommand {
    NewTable,
    Open,
    Save,
    Restart,
    ScoreSheet,
    GameHistory,
    Close,
    Previous,
    Next,
    Select,
    LayLeft,
    LayRight,
    Draw,
    Pass,
    Hint,
    NextHand,
    Faster,
    NormalPace,
    Slower,
    Movement,
    Help,
    Count
};

// A table for two to four in a window of its own: the drawing, the menus and
// keys, the status line and what a screen reader is told. Timers pace the
// computer seats; every move goes through the session.
class TableWindow : public QMainWindow, private session::TableListener {
    Q_OBJECT
public:
    explicit TableWindow(const session::TableSetup& setup, QWidget* parent = nullptr);
    // A window over a session already built, such as a table opened from a file.
    explicit TableWindow(std::unique_ptr<session::TableSession> session, QWidget* parent = nullptr);
    ~TableWindow() override;

    const session::TableSession& session() const { return *session_; }
    QAction* action(TableCommand command) const {
        return actions_[static_cast<std::size_t>(command)];
    }
    TableDrawing* drawing() const { return drawing_; }
    QString statusText() const;
    // The last thing that happened, as the status line and the screen reader told it.
    QString lastNews() const;
    // How long a computer seat thinks, in milliseconds.
    void setThinkingTime(int ms);
    int thinkingTime() const { return thinkMs_; }

    // The player's commands, as the mouse and the keys give them.
    void clickHand(rules::Domino domino);
    void doubleClickHand(rules::Domino domino);
    void clickEnd(rules::End end);
    void layOn(rules::End end);
    // Saves the table to path, saying why when it cannot; whether it did.
    bool saveTo(const QString& path);
    // Opens the table at path in a new window in place of this one; nothing
    // changes here when the file is refused. The new window, or null.
    TableWindow* openFrom(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void tableEvent(const rules::Event& event) override;
    void handDealt() override;
    void selectionChanged() override;

    void createActions();
    void createAccessibility();
    // Starts the computer's thinking when a computer seat is to play.
    void schedule();
    void computerMoves();
    // Carries out a command's answer: a refusal goes to the status line.
    void answered(const session::Answer& answer);
    void refresh();
    void updateActions();
    void setStatus(const QString& text);
    void showStatus();
    void moveHighlight(int step);
    void nextHand();
    void restart();
    void openNewTable();
    void saveTable();
    void openTable();
    // Asks for a table file without waiting on the dialog: chosen runs with the
    // path once the player has settled it, and agreed to replace a file there.
    void askForTableFile(const QString& title, bool saving,
                         const std::function<void(const QString&)>& chosen);
    // Shows a problem in a box that waits on nothing.
    void tellProblem(const QString& title, const QString& text);
    // Keeps the computers from moving while one of this window's dialogs is
    // open, and lets them go on when it closes.
    void holdComputers(bool hold);
    // Shows the game's end and its winner, with a problem recording it if any.
    void showGameOver(const rules::GameEnded& won, const QString& problem);
    void showSheet();
    void showHistory();
    void showHelp();
    void placeOverlays();

    std::unique_ptr<session::TableSession> session_;
    TableDrawing* drawing_ = nullptr;
    QLabel* status_ = nullptr;
    NewsLine* news_ = nullptr;
    QPushButton* onward_ = nullptr;
    QWidget* handList_ = nullptr;
    QWidget* lineList_ = nullptr;
    std::array<QWidget*, rules::MaxSeats> seatBoxes_{};
    std::vector<PictureReader*> readers_;
    QTimer think_;
    bool held_ = false; // a dialog is open: the computers wait
    int thinkMs_ = 1000;
    QString told_;
    QStringList pendingNews_; // told when the move that made them is done
    std::array<QAction*, static_cast<std::size_t>(TableCommand::Count)> actions_{};
    HelpViewer help_;
};

} // namespace pipwright
