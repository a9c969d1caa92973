#include "ui/dialogs/GameConditionsDialog.h"

#include "game/GameState.h"
#include "ui/Twips.h"
#include "ui/dialogs/DialogLook.h"
#include "ui/dialogs/WrappingCheckBox.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTimer>
#include <cmath>

namespace pipwright {

namespace {

const QColor DialogColour(255, 192, 128);
const QColor PanelColour(255, 224, 192);
const QColor FrameCaptionColour(255, 0, 255);

// The Master's box below the expert's: the level frame, the dialog and the OK
// button below them grow or move down by what it needs.
constexpr int MasterBoxTop = 2385;
constexpr int MasterBoxHeight = 945;
constexpr int MasterGrowth = 990;

constexpr int DialogWidth = 9255;
constexpr int DialogHeight = 5670 + MasterGrowth;
constexpr int LevelFrameHeight = 2520 + MasterGrowth;
constexpr int ButtonTop = 5130 + MasterGrowth;
constexpr int MinSeconds = 1;
constexpr int MaxSeconds = 12;

const QString LevelKey = QStringLiteral("conditions/level");
const QString TimerKey = QStringLiteral("conditions/timer");
const QString SecondsKey = QStringLiteral("conditions/seconds");
const QString WinnerStartsKey = QStringLiteral("conditions/winnerStarts");
const QString HistoryKey = QStringLiteral("conditions/history");

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                     int width, int height) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFont(sansFont(12, true));
    setForeColour(frame, FrameCaptionColour);
    placeTwips(frame, left, top, width, height);
    return frame;
}

QCheckBox* makeBox(QWidget* parent, const char* name, const QString& caption, int left, int top,
                   int width, int height) {
    auto* box = new WrappingCheckBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setText(caption);
    box->setFont(sansFont(8.25, true));
    setForeColour(box, Qt::black);
    placeTwips(box, left, top, width, height);
    return box;
}

// The time allowed, with or without a full stop after it.
QString secondsText(Single seconds, bool stop = false) {
    const char* source =
        stop ? QT_TRANSLATE_NOOP("pipwright::GameConditionsDialog", "%1 Seconds to Play a Domino.")
             : QT_TRANSLATE_NOOP("pipwright::GameConditionsDialog", "%1 Seconds to Play a Domino");
    return QCoreApplication::translate("pipwright::GameConditionsDialog", source)
        .arg(plainNumber(seconds));
}

} // namespace

GameConditionsDialog::GameConditionsDialog(GameState& state, QTimer& timer1, QWidget* parent)
    : QDialog(parent), state_(state), timer1_(timer1) {
    setObjectName(QStringLiteral("frmGameConditions"));
    useDialogFrame(this);
    setWindowTitle(tr("Game Conditions"));
    setBackColour(this, DialogColour);

    Frame3 = makeFrame(this, "Frame3", tr("Play Timers"), 300, 90, 8760, 2070);
    ChkToStartTheTimer =
        makeBox(Frame3, "ChkToStartTheTimer",
                tr("To increase the Time You or the Computer have to play a Domino, move the "
                   "Slider to the right and to decrease the time, move it to the Left.  The "
                   "minimum time is 1 seconds and the maximum is 12 seconds.  To start the "
                   "Timer, Check the Box to the Left."),
                225, 330, 8355, 795);
    LblTimeToPlay = new QLabel(Frame3);
    LblTimeToPlay->setObjectName(QStringLiteral("LblTimeToPlay"));
    LblTimeToPlay->setFont(sansFont(9.75, true));
    LblTimeToPlay->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    LblTimeToPlay->setLineWidth(2);
    LblTimeToPlay->setAlignment(Qt::AlignCenter);
    LblTimeToPlay->setWordWrap(true);
    setBackColour(LblTimeToPlay, PanelColour);
    setForeColour(LblTimeToPlay, Qt::black);
    placeTwips(LblTimeToPlay, 225, 1230, 2655, 615);
    Slider1 = new QSlider(Qt::Horizontal, Frame3);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setRange(MinSeconds, MaxSeconds);
    Slider1->setPageStep(1);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setTickInterval(1);
    Slider1->setValue(static_cast<int>(state_.SecondsToPlay));
    placeTwips(Slider1, 3135, 1200, 5400, 630);

    Frame2 = makeFrame(this, "Frame2", tr("Level of Play"), 4230, 2340, 3180, LevelFrameHeight);
    CHKNovicePlayer = makeBox(Frame2, "CHKNovicePlayer", {}, 255, 450, 2625, 720);
    CHKExpertPlayer = makeBox(Frame2, "CHKExpertPlayer", {}, 210, 1395, 2865, 945);
    CHKMasterPlayer =
        makeBox(Frame2, "CHKMasterPlayer", {}, 210, MasterBoxTop, 2865, MasterBoxHeight);

    Frame1 = makeFrame(this, "Frame1", tr("Starting the Next Hand"), 285, 2340, 3780, 2550);
    ChkEachDraws = makeBox(Frame1, "ChkEachDraws", {}, 375, 420, 3285, 1020);
    ChkWinnerStarts =
        makeBox(Frame1, "ChkWinnerStarts",
                tr("The Winner of the Game will place the Set Domino on the Next Game."), 315, 1515,
                3105, 750);

    ChkGameHistory = makeBox(this, "ChkGameHistory",
                             tr("Check this Box if You want to record Today's Wins "
                                "and Losses.  The Game History of the individual "
                                "Player can be viewed by a Menu selection."),
                             7620, 2415, 1350, 2865);

    Command1 = new QPushButton(tr("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    placeTwips(Command1, 3900, ButtonTop, 1095, 375);

    // The main window starts the dialog with the defaults of both pairs.
    CHKNovicePlayer->setChecked(true);
    ChkEachDraws->setChecked(true);

    connect(ChkToStartTheTimer, &QCheckBox::clicked, this,
            &GameConditionsDialog::ChkToStartTheTimer_Click);
    connect(ChkGameHistory, &QCheckBox::clicked, this, &GameConditionsDialog::ChkGameHistory_Click);
    connect(CHKExpertPlayer, &QCheckBox::clicked, this,
            &GameConditionsDialog::CHKExpertPlayer_Click);
    connect(CHKNovicePlayer, &QCheckBox::clicked, this,
            &GameConditionsDialog::CHKNovicePlayer_Click);
    connect(CHKMasterPlayer, &QCheckBox::clicked, this,
            &GameConditionsDialog::CHKMasterPlayer_Click);
    connect(ChkEachDraws, &QCheckBox::clicked, this, &GameConditionsDialog::ChkEachDraws_Click);
    connect(ChkWinnerStarts, &QCheckBox::clicked, this,
            &GameConditionsDialog::ChkWinnerStarts_Click);
    connect(Slider1, &QSlider::valueChanged, this, &GameConditionsDialog::Slider1_Change);
    connect(Command1, &QPushButton::clicked, this, &GameConditionsDialog::Command1_Click);

    Form_Load();
}

void GameConditionsDialog::Form_Load() {
    setFixedSize(toPixels(QSize(DialogWidth, DialogHeight)));

    const int buttonLeft = (DialogWidth - 1095) / 2;
    placeTwips(Command1, buttonLeft, ButtonTop, 1095, 375);

    const int frameLeft = (DialogWidth - 8760) / 2;
    placeTwips(Frame3, frameLeft, 90, 8760, 2070);
    placeTwips(Frame1, frameLeft, 2340, 3780, 2550);
    placeTwips(Frame2, frameLeft + 3780 + 100, 2340, 3180, LevelFrameHeight);
    placeTwips(ChkWinnerStarts, 375, 1515, 3105, 750);
    placeTwips(CHKExpertPlayer, 255, 1395, 2865, 945);
    placeTwips(CHKMasterPlayer, 255, MasterBoxTop, 2865, MasterBoxHeight);
}

QString GameConditionsDialog::eachDrawsCaption() const {
    return tr("%1 and the Computer will each draw one Domino from the BoneYard and whoever has "
              "the Domino with the largest value will start the next Game.")
        .arg(QString::fromStdString(state_.PlayerName));
}

QString GameConditionsDialog::expertCaption() const {
    return tr("An Expert Player.  The Computer will provide fierce competition to %1.")
        .arg(QString::fromStdString(state_.PlayerName));
}

QString GameConditionsDialog::masterCaption() const {
    return tr("A Master Player.  The Computer plays to win, and never looks at %1's Dominos.")
        .arg(QString::fromStdString(state_.PlayerName));
}

QString GameConditionsDialog::noviceCaption() const {
    return tr("A Novice Player.  The Computer will not present much of a challenge to %1.")
        .arg(QString::fromStdString(state_.PlayerName));
}

void GameConditionsDialog::showModal(const PlacementFrame& frame) {
    placeCentred(this, frame);
    Form_Activate();
    exec();
}

bool GameConditionsDialog::timerBoxChecked() const {
    return ChkToStartTheTimer->isChecked();
}

void GameConditionsDialog::Form_Activate() {
    ChkEachDraws->setText(eachDrawsCaption());
    CHKExpertPlayer->setText(expertCaption());
    CHKNovicePlayer->setText(noviceCaption());
    CHKMasterPlayer->setText(masterCaption());

    showSecondsOnSlider();
    LblTimeToPlay->setText(secondsText(state_.SecondsToPlay));

    if (ChkToStartTheTimer->isChecked() && state_.GameStatus > Phase::SetDomino) {
        timer1_.stop();
    }
}

void GameConditionsDialog::ChkToStartTheTimer_Click() {
    if (!ChkToStartTheTimer->isChecked()) {
        timer1_.stop();
    }
}

void GameConditionsDialog::ChkGameHistory_Click() {
    if (ChkGameHistory->isChecked()) {
        state_.KeepGameHistory = True;
    }
}

void GameConditionsDialog::chooseLevel(QCheckBox* chosen) {
    for (QCheckBox* box : {CHKNovicePlayer, CHKExpertPlayer, CHKMasterPlayer})
        box->setChecked(box == chosen);
    state_.PlayLevel = chosen == CHKNovicePlayer ? False : True;
    state_.MasterLevel = chosen == CHKMasterPlayer ? True : False;
}

void GameConditionsDialog::CHKExpertPlayer_Click() {
    levelBoxClicked(CHKExpertPlayer, expertCaption());
}

void GameConditionsDialog::CHKMasterPlayer_Click() {
    levelBoxClicked(CHKMasterPlayer, masterCaption());
}

void GameConditionsDialog::levelBoxClicked(QCheckBox* box, const QString& caption) {
    if (box->isChecked()) {
        chooseLevel(box);
        box->setText(caption);
    }
    if (!CHKExpertPlayer->isChecked() && !CHKNovicePlayer->isChecked() &&
        !CHKMasterPlayer->isChecked()) {
        chooseLevel(CHKNovicePlayer);
        CHKNovicePlayer->setText(noviceCaption());
    }
}

void GameConditionsDialog::CHKNovicePlayer_Click() {
    // Clearing the novice box checks it again: it is the default.
    chooseLevel(CHKNovicePlayer);
    CHKNovicePlayer->setText(noviceCaption());
}

void GameConditionsDialog::ChkEachDraws_Click() {
    if (ChkEachDraws->isChecked()) {
        ChkWinnerStarts->setChecked(false);
        state_.WinnerReStartsGame = False;
    }
    if (!ChkEachDraws->isChecked() && !ChkWinnerStarts->isChecked()) {
        ChkEachDraws->setChecked(true);
        state_.WinnerReStartsGame = False;
    }
}

void GameConditionsDialog::ChkWinnerStarts_Click() {
    if (ChkWinnerStarts->isChecked()) {
        state_.WinnerReStartsGame = True;
        ChkEachDraws->setChecked(false);
    }
    if (!ChkEachDraws->isChecked() && !ChkWinnerStarts->isChecked()) {
        ChkEachDraws->setChecked(true);
        state_.WinnerReStartsGame = False;
    }
}

// The slider holds whole seconds from 1 to 12; the allowance follows it, so the
// panel and the timer's interval always agree with what the slider shows.
void GameConditionsDialog::showSecondsOnSlider() {
    Slider1->setValue(static_cast<int>(std::lround(state_.SecondsToPlay)));
    state_.SecondsToPlay = static_cast<Single>(Slider1->value());
}

void GameConditionsDialog::Slider1_Change(int value) {
    state_.SecondsToPlay = static_cast<Single>(value);
    LblTimeToPlay->setText(secondsText(state_.SecondsToPlay));
}

void GameConditionsDialog::Command1_Click() {
    if (ChkWinnerStarts->isChecked()) {
        ChkEachDraws->setChecked(false);
        state_.WinnerReStartsGame = True;
    }
    if (!ChkEachDraws->isChecked() && !ChkWinnerStarts->isChecked()) {
        ChkEachDraws->setChecked(true);
        state_.WinnerReStartsGame = False;
    }
    // The interval is set whenever the box is checked, so a timer switched on
    // before play has its allowance when the computer's turn starts it.
    if (ChkToStartTheTimer->isChecked()) {
        timer1_.setInterval(static_cast<int>(std::lround(1000.0 * state_.SecondsToPlay)));
        if (state_.GameStatus > Phase::SetDomino) {
            timer1_.start();
        }
    }
    accept();
}

void GameConditionsDialog::reject() {
    Command1_Click();
}

void GameConditionsDialog::bringIntoLine(bool timerWasRunning) {
    if (timerWasRunning) {
        showSecondsOnSlider();
        ChkToStartTheTimer->setChecked(false);
        LblTimeToPlay->setText(secondsText(state_.SecondsToPlay, true));
    }
    if (state_.KeepGameHistory == True) {
        ChkGameHistory->setChecked(true);
    }
    if (state_.PlayLevel != True)
        chooseLevel(CHKNovicePlayer);
    else
        chooseLevel(state_.MasterLevel == True ? CHKMasterPlayer : CHKExpertPlayer);
    const bool winnerStarts = state_.WinnerReStartsGame == True;
    ChkWinnerStarts->setChecked(winnerStarts);
    ChkEachDraws->setChecked(!winnerStarts);
}

void GameConditionsDialog::keep(QSettings& settings) const {
    const char* level = state_.PlayLevel != True     ? "novice"
                        : state_.MasterLevel == True ? "master"
                                                     : "expert";
    settings.setValue(LevelKey, QString::fromLatin1(level));
    settings.setValue(TimerKey, ChkToStartTheTimer->isChecked());
    settings.setValue(SecondsKey, static_cast<int>(std::lround(state_.SecondsToPlay)));
    settings.setValue(WinnerStartsKey, state_.WinnerReStartsGame == True);
    settings.setValue(HistoryKey, state_.KeepGameHistory == True);
}

void GameConditionsDialog::recall(const QSettings& settings) {
    const QString level = settings.value(LevelKey).toString();
    if (level == QLatin1String("expert"))
        chooseLevel(CHKExpertPlayer);
    else if (level == QLatin1String("master"))
        chooseLevel(CHKMasterPlayer);
    const int seconds = settings.value(SecondsKey).toInt();
    if (seconds >= MinSeconds && seconds <= MaxSeconds) {
        state_.SecondsToPlay = static_cast<Single>(seconds);
        showSecondsOnSlider();
        LblTimeToPlay->setText(secondsText(state_.SecondsToPlay));
    }
    if (settings.value(TimerKey).toBool()) {
        ChkToStartTheTimer->setChecked(true);
        timer1_.setInterval(static_cast<int>(std::lround(1000.0 * state_.SecondsToPlay)));
    }
    if (settings.value(WinnerStartsKey).toBool()) {
        ChkWinnerStarts->setChecked(true);
        ChkEachDraws->setChecked(false);
        state_.WinnerReStartsGame = True;
    }
    if (historyKept(settings)) {
        ChkGameHistory->setChecked(true);
        state_.KeepGameHistory = True;
    }
}

bool GameConditionsDialog::historyKept(const QSettings& settings) {
    return settings.value(HistoryKey).toBool();
}

} // namespace pipwright
