#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
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

    // Form_Activate, then the modal display until OK hides the dialog.
    void showModal();

    // ChkToStartTheTimer: the play timer is in use.
    bool timerBoxChecked() const;

    // Brings the boxes, slider and panel into line with a saved game just
    // opened; timerWasRunning is the saved game's timer state.
    void bringIntoLine(bool timerWasRunning);

protected:
    // Closing the window by its frame or Escape confirms it like OK, so the
    // play timer stopped on showing is never left standing.
    void reject() override;

private:
    void Form_Load();
    void Form_Activate();
    void ChkToStartTheTimer_Click();
    void ChkGameHistory_Click();
    void CHKExpertPlayer_Click();
    void CHKNovicePlayer_Click();
    void CHKMasterPlayer_Click();
    // Checks the one level box and sets PlayLevel and MasterLevel to match.
    void chooseLevel(QCheckBox* chosen);
    void ChkEachDraws_Click();
    void ChkWinnerStarts_Click();
    void Slider1_Change(int value);
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
