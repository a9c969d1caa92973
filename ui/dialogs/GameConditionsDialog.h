#pragma once

#include "ui/dialogs/WindowPlacement.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSettings;
class QSlider;
class QTimer;

namespace pipwright {

struct GameState;

// frmGameConditions: the playing conditions. Created once, hidden, with the
// main window; shown modally and hidden again by OK, so its boxes keep their
// state for the life of the program. The three level boxes and the two
// next-hand boxes each act as one group of options with a default
// (CHKNovicePlayer, ChkEachDraws).
class GameConditionsDialog : public QDialog {
    Q_OBJECT

public:
    GameConditionsDialog(GameState& state, QTimer& timer1, QWidget* parent);

    // Form_Activate, then the modal display, centred over the frame, until OK
    // hides the dialog.
    void showModal(const PlacementFrame& frame = {});

    // ChkToStartTheTimer: the play timer is in use.
    bool timerBoxChecked() const;

    // Brings the boxes, slider and panel into line with a saved game just
    // opened; timerWasRunning is the saved game's timer state.
    void bringIntoLine(bool timerWasRunning);

    // The conditions kept between launches: level, play timer and its
    // seconds, who starts the next hand, and the game history. Nothing kept
    // leaves the first values as they are.
    void keep(QSettings& settings) const;
    void recall(const QSettings& settings);
    // Whether the kept conditions keep a game history.
    static bool historyKept(const QSettings& settings);

protected:
    // Closing the window by its frame or Escape confirms it like OK, so the
    // play timer stopped on showing is never left standing.
    void reject() override;

private:
    // Sizes the dialog and places its frames, boxes and button.
    void Form_Load();
    // Refreshes the captions and the time, and stops the play timer while shown.
    void Form_Activate();
    // Clearing the timer box stops the play timer.
    void ChkToStartTheTimer_Click();
    // Checking the history box switches the game history on.
    void ChkGameHistory_Click();
    // The level boxes: checking one clears the others; clearing the last
    // checked box checks the novice box.
    void CHKExpertPlayer_Click();
    void CHKNovicePlayer_Click();
    void CHKMasterPlayer_Click();
    void levelBoxClicked(QCheckBox* box, const QString& caption);
    // Checks the one level box and sets PlayLevel and MasterLevel to match.
    void chooseLevel(QCheckBox* chosen);
    // The next-hand boxes: one of them is always checked, each draws by default.
    void ChkEachDraws_Click();
    void ChkWinnerStarts_Click();
    // The slider sets the seconds allowed for a turn.
    void Slider1_Change(int value);
    // OK: settles the next-hand rule, restarts the play timer and hides the dialog.
    void Command1_Click();

    void showSecondsOnSlider();
    QString noviceCaption() const;
    QString expertCaption() const;
    QString masterCaption() const;
    QString eachDrawsCaption() const;

    GameState& state_;
    QTimer& timer1_;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QCheckBox* ChkToStartTheTimer = nullptr;
    QLabel* LblTimeToPlay = nullptr;
    QSlider* Slider1 = nullptr;
    QCheckBox* CHKNovicePlayer = nullptr;
    QCheckBox* CHKExpertPlayer = nullptr;
    QCheckBox* CHKMasterPlayer = nullptr;
    QCheckBox* ChkEachDraws = nullptr;
    QCheckBox* ChkWinnerStarts = nullptr;
    QCheckBox* ChkGameHistory = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace pipwright
