#pragma once

#include "computer/ComputerPlayer.h"
#include "game/Engine.h"
#include "game/Random.h"
#include "game/ResultTexts.h"
#include "game/WindowPort.h"
#include "storage/HistoryRecorder.h"
#include "ui/DesignScale.h"
#include "ui/GameMenus.h"
#include "ui/HelpViewer.h"
#include "ui/MainLayout.h"
#include "ui/MainWindowPort.h"
#include "ui/TableAccessible.h"
#include "ui/dialogs/WindowPlacement.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace pipwright {

class GameConditionsDialog;
class GameTable;
class MessageLine;
class PictureArea;
class StatusPanels;

// The main window: its table (the play field, both hands, the BoneYard, the
// message line and the status bar), the menus, the game's keys and the play
// timer. It owns the engine; its port shows what the engine asks for.
class frmDominos : public QMainWindow {
    Q_OBJECT
public:
    explicit frmDominos(QWidget* parent = nullptr);
    ~frmDominos() override;

    Engine& engine() { return engine_; }
    SeededRandom& random() { return random_; }
    const MainLayout& layout() const;
    // The scale the designed layout is drawn at in the window's present size.
    const DesignScale& scale() const;
    PictureArea& picture(Picture picture) const;
    QAction* menuEntry(Menu menu) const { return menus_[menu]; }
    HelpViewer& help() { return help_; }
    GameConditionsDialog& conditions() const { return *conditions_; }

    // The calls that block the game's flow: its modal windows and its pause.
    // Tests put stand-ins in their place.
    struct BlockingCalls {
        std::function<void(const ResultTexts&)> result;
        std::function<void(const QString& title, const QString& text)> messageBox;
        std::function<void(const QString& caption, const QString& text)> timeOutNotice;
        std::function<void(double seconds)> pause;
        // A question with Yes and No, No the default: true for Yes.
        std::function<bool(const QString& title, const QString& text)> question;
    };
    BlockingCalls& blockingCalls() { return blocking_; }
    // Scales every pause of the game; tests shorten them.
    void setPauseScale(double scale) { pauseScale_ = scale; }

    // What the engine asks of the window.
    MainWindowPort& port() { return port_; }

    // Menu entries.
    void mnuOpenGame_Click();
    void mnuSaveGame_Click();
    void mnuGameHistory_Click();
    void mnuGameConditions_Click();
    void mnuQuit_Click();
    void mnuHelpFile_Click();
    void mnuAuthor_Click();
    // A click on the bare window: the play field's size in its own units.
    void Form_Click();

    // The hand slot highlighted by the keys, 0 for none; shown once a key has
    // been used.
    int highlightedSlot() const { return highlighted_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class MainWindowPort;

    // Lays out the controls and loads the engine: first values, a shuffled BoneYard.
    void Form_Load();
    void createControls();
    // Where the game's own windows open: over the designed layout, at its scale.
    PlacementFrame dialogFrame() const;
    // Play by keyboard.
    void moveHighlight(int step);
    void highlightNth(int n);
    void showHighlight();
    // A press at a point of a picture, in twips, and its click.
    void clickAt(Picture picture, int x, int y);
    // What a screen reader reads of the pictures, and the actions, follow the game.
    void describePictures();
    // Gives the pictures their readers, before anything asks how to read them.
    void readThePictures();
    void describeHowToPlay();
    PictureReading readHand() const;
    PictureReading readLine() const;
    // Message-line texts, score changes and the dominoes played, told to the
    // screen reader once, together, when the present step of the game is done.
    void announce(const QString& news);
    void tellNews();
    void connectInput();
    void connectMenus();
    // The game's keys, each an action of the window.
    enum class GameKey {
        Previous,
        Next,
        Clear,
        Select,
        LayLeft,
        LayRight,
        Draw,
        CantPlay,
        Hint,
        Jump1
    };
    static constexpr std::size_t GameKeyCount = static_cast<std::size_t>(GameKey::Jump1) + 9;
    void createKeyActions();
    void updateActions();
    QLabel* selectionLabel(SelectionLabel label) const;
    QString chooseGameFile(const QString& title, bool saving);
    bool replaceAllowed(const QString& title, const QString& path);
    // A message box with the stop icon; its text is shown as it stands.
    void stopBox(const QString& title, const QString& text);
    void recordTheDaysGames();
    // A restart that would throw away points or dominoes laid asks first.
    bool restartAllowed(bool wholeGame);
    // H: the hint, or on the news line why none can be given now.
    void hint();
    // A game has ended: the history records it.
    void gameEnded();

    MainWindowPort port_{*this};
    SeededRandom random_;
    Engine engine_;
    ComputerPlayer computer_;
    QTimer Timer1;
    HelpViewer help_;
    HistoryRecorder history_;
    GameMenus menus_;
    BlockingCalls blocking_;
    double pauseScale_ = 1;
    bool shownBefore_ = false;
    PictureArea* acceptedPress_ = nullptr; // where the last press was taken
    bool keysUsed_ = false;
    std::array<QAction*, GameKeyCount> keys_{};
    std::array<bool, MenuCount> menusWanted_{};
    QStringList news_;
    QTimer newsTimer_;
    int highlighted_ = 0;
    GameTable* table_ = nullptr;
    GameConditionsDialog* conditions_ = nullptr;
};

} // namespace pipwright
