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
#include "ui/dialogs/WindowPlacement.h"

#include <QHash>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace pipwright {

class GameConditionsDialog;
class MessageLine;
class PictureArea;
class StatusPanels;

// The main window: the play field, both hands, the BoneYard, the message line,
// the status bar, the menus and the play timer. It owns the engine and shows
// on screen what the engine asks for.
class frmDominos : public QMainWindow, public WindowPort {
    Q_OBJECT
public:
    explicit frmDominos(QWidget* parent = nullptr);
    ~frmDominos() override;

    Engine& engine() { return engine_; }
    SeededRandom& random() { return random_; }
    const MainLayout& layout() const { return layout_; }
    // The scale the designed layout is drawn at in the window's present size.
    const DesignScale& scale() const { return scale_; }
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
    };
    BlockingCalls& blockingCalls() { return blocking_; }
    // Scales every pause of the game; tests shorten them.
    void setPauseScale(double scale) { pauseScale_ = scale; }

    // WindowPort
    void setMessage(std::string_view name, std::string_view text) override;
    void setStatusPanel(int panel, std::string_view text) override;
    void setPlayerPlayed(std::string_view text) override;
    void setComputerPlayed(std::string_view text) override;
    void setPlayerCaption(std::string_view text) override;
    void showSelectionLabel(SelectionLabel which, std::string_view text, int centreX,
                            int top) override;
    void hideSelectionLabel(SelectionLabel label) override;
    void clearPicture(Picture which) override;
    void fillBox(Picture which, const Rect& rect, Fill fill) override;
    void paintHalf(Picture which, int x, int y, int pips, bool standing) override;
    void setMenuEnabled(Menu menu, bool enabled) override;
    void setBusyPointer(bool busy) override;
    void PauseTimer(double seconds) override;
    void messageBox(std::string_view title, std::string_view text) override;
    void showResultWindow(ResultWindow window, const GameState& state) override;
    void showTimeOutNotice(std::string_view caption, std::string_view text) override;
    bool timerBoxChecked() const override;
    void setTimer1Enabled(bool enabled) override;
    bool timer1Enabled() const override { return Timer1.isActive(); }
    void gameEnded() override;

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
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Lays out the controls and loads the engine: first values, a shuffled BoneYard.
    void Form_Load();
    void createControls();
    void layOut(int horizontalAllowance, int verticalAllowance);
    // Draws the designed layout at the scale that fits the window.
    void applyScale();
    // Where the game's own windows open: over the designed layout, at its scale.
    PlacementFrame dialogFrame() const;
    void placeSelectionLabel(SelectionLabel which);
    // Play by keyboard.
    void moveHighlight(int step);
    void highlightNth(int n);
    void showHighlight();
    // A press at a point of a picture, in twips, and its click.
    void clickAt(Picture picture, int x, int y);
    // The pictures' accessible names follow the game.
    void describePictures();
    void describeHowToPlay();
    void connectInput();
    void connectMenus();
    void refreshHint();
    QLabel* selectionLabel(SelectionLabel label) const;
    QString chooseGameFile(const QString& title, bool saving);
    bool replaceAllowed(const QString& title, const QString& path);
    // A message box with the stop icon; its text is shown as it stands.
    void stopBox(const QString& title, const QString& text);
    void recordTheDaysGames();

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
    bool backgroundPressed_ = false;
    PictureArea* acceptedPress_ = nullptr; // where the last press was taken
    bool keysUsed_ = false;
    int highlighted_ = 0;
    MainLayout layout_;
    QSize designInner_; // the inner area at the designed size, in pixels
    DesignScale scale_;
    // Each caption's width at the designed size, in pixels; it changes with
    // the text of the player's caption and of the two selection labels.
    QHash<QLabel*, int> captionWidths_;
    int captionHeight_ = 0;
    std::array<QPoint, 2> selectionAnchors_{}; // centre and top, in play-field units

    PictureArea* ViewPic = nullptr;
    QLabel* LblPlayerSelect = nullptr;
    QLabel* LblComputersSelect = nullptr;
    PictureArea* ComputersPic = nullptr;
    QLabel* LblComputer = nullptr;
    PictureArea* BoneYardPic = nullptr;
    QLabel* LblBoneYard = nullptr;
    PictureArea* PlayersPic = nullptr;
    QPushButton* ComPlayerCantPlay = nullptr;
    QLabel* LBLPlayerPlayed = nullptr;
    QLabel* LBLComputerPlayed = nullptr;
    QLabel* LblPlayer = nullptr;
    MessageLine* Label1 = nullptr;
    StatusPanels* StatusBar1 = nullptr;
    GameConditionsDialog* conditions_ = nullptr;
};

} // namespace pipwright
