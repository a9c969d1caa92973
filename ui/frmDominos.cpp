#include "ui/frmDominos.h"

#include "computer/Hint.h"
#include "ui/GameTable.h"
#include "ui/Look.h"
#include "ui/MessageLine.h"
#include "ui/PauseTimer.h"
#include "ui/PictureArea.h"
#include "ui/ScoreSheetWindow.h"
#include "ui/StatusPanels.h"
#include "ui/Twips.h"
#include "ui/WindowGeometry.h"
#include "ui/WindowIcon.h"
#include "ui/dialogs/AuthorWindow.h"
#include "ui/dialogs/GameConditionsDialog.h"
#include "ui/dialogs/ResultWindows.h"
#include "ui/dialogs/TimeOutNotice.h"
#include "ui/table/NewTableDialog.h"
#include "ui/table/TableWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <algorithm>
#include <cmath>
#include <utility>

namespace pipwright {

namespace {

// The window's outer size, in twips.
constexpr int WindowWidth = 9720;
constexpr int WindowHeight = 7320;

} // namespace

frmDominos::frmDominos(QWidget* parent)
    : QMainWindow(parent), random_(timeOfDaySeed()), engine_(port_, random_),
      computer_(engine_, random_.seedValue()), menus_(*menuBar()) {
    engine_.setComputer(&computer_);
    blocking_.result = [this](const ResultTexts& texts) {
        pipwright::showResultWindow(texts, this, dialogFrame());
    };
    blocking_.messageBox = [this](const QString& title, const QString& text) {
        stopBox(title, text);
    };
    blocking_.timeOutNotice = [this](const QString& caption, const QString& text) {
        pipwright::showTimeOutNotice(caption, text, table_->layout().playersPic.left(),
                                     dialogFrame(), this);
    };
    blocking_.pause = [this](double seconds) { pauseKeepingEvents(seconds * pauseScale_); };
    blocking_.question = [this](const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                        this);
        box.setDefaultButton(QMessageBox::No);
        box.setTextFormat(Qt::PlainText);
        return box.exec() == QMessageBox::Yes;
    };
    newsTimer_.setSingleShot(true);
    newsTimer_.setInterval(0);
    connect(&newsTimer_, &QTimer::timeout, this, &frmDominos::tellNews);
    createControls();
    connectInput();
    connectMenus();
    menusWanted_.fill(true);
    createKeyActions();
    Form_Load();
}

frmDominos::~frmDominos() = default;

void frmDominos::createControls() {
    setWindowTitle(QStringLiteral("Pipwright"));
    setWindowIcon(dominoIcon());
    table_ = new GameTable(this);
    setCentralWidget(table_);
    connect(table_, &GameTable::backgroundClicked, this, &frmDominos::Form_Click);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    readThePictures();
    describeHowToPlay();
}

void frmDominos::Form_Load() {
    // Laid out at the designed size; the window may then be made larger.
    const QSize designed = toPixels(QSize(WindowWidth, WindowHeight));
    resize(designed);
    setMinimumSize(designed);

    conditions_ = new GameConditionsDialog(engine_.state(), Timer1, this);
    table_->layOut(QSize(width(), height() - menuBar()->sizeHint().height()));
    openWhereLeft(*this, designed);

    Metrics metrics;
    metrics.boneYardLabelHeight =
        static_cast<Integer>(textHeightTwips(table_->LblBoneYard->font()));
    metrics.computerLabelHeight =
        static_cast<Integer>(textHeightTwips(table_->LblComputer->font()));
    metrics.playerHandTop = static_cast<Integer>(table_->layout().playerHandTop);
    engine_.Form_Load(metrics);
    conditions_->recall(keptSettings());
    help_.InitTheHelp(this);
}

PlacementFrame frmDominos::dialogFrame() const {
    const DesignScale& scale = table_->scale();
    return {QRect(table_->mapToGlobal(scale.offset), table_->drawnSize()), scale.factor,
            screen()->availableGeometry()};
}

void frmDominos::connectInput() {
    struct Route {
        PictureArea* area;
        void (Engine::*mouseDown)(int, int);
        void (Engine::*click)();
    };
    for (const Route& route :
         {Route{table_->BoneYardPic, &Engine::BoneYardPic_MouseDown, &Engine::BoneYardPic_Click},
          Route{table_->PlayersPic, &Engine::PlayersPic_MouseDown, &Engine::PlayersPic_Click},
          Route{table_->ViewPic, &Engine::ViewPic_MouseDown, &Engine::ViewPic_Click}}) {
        // A click counts only when its press was taken outside any flow, on
        // the same picture.
        connect(route.area, &PictureArea::pressed, this, [this, route](int x, int y) {
            acceptedPress_ = engine_.flowRunning() ? nullptr : route.area;
            (engine_.*route.mouseDown)(x, y);
        });
        connect(route.area, &PictureArea::clicked, this, [this, route] {
            if (std::exchange(acceptedPress_, nullptr) == route.area)
                (engine_.*route.click)();
            updateActions();
        });
    }
    connect(table_->ComPlayerCantPlay, &QPushButton::clicked, this, [this] {
        engine_.ComPlayerCantPlay_Click();
        updateActions();
    });
    connect(&Timer1, &QTimer::timeout, this, [this] {
        engine_.Timer1_Timer();
        updateActions();
    });
}

void frmDominos::connectMenus() {
    auto whenIdle = [this](Menu menu, const std::function<void()>& action) {
        connect(menus_[menu], &QAction::triggered, this, [this, action] {
            engine_.runWhenIdle(action);
            updateActions();
        });
    };
    whenIdle(Menu::OpenGame, [this] { mnuOpenGame_Click(); });
    whenIdle(Menu::SaveGame, [this] { mnuSaveGame_Click(); });
    whenIdle(Menu::RestartTheRound, [this] {
        if (restartAllowed(false))
            engine_.mnuRestartTheRound_Click();
    });
    whenIdle(Menu::RestartTheGame, [this] {
        if (restartAllowed(true))
            engine_.mnuRestartTheGame_Click();
    });
    whenIdle(Menu::GameHistory, [this] { mnuGameHistory_Click(); });
    whenIdle(Menu::GameConditions, [this] { mnuGameConditions_Click(); });
    whenIdle(Menu::Author, [this] { mnuAuthor_Click(); });
    connect(menus_[Menu::Quit], &QAction::triggered, this, &frmDominos::mnuQuit_Click);
    connect(menus_[Menu::HelpFile], &QAction::triggered, this, &frmDominos::mnuHelpFile_Click);
    connect(menus_[Menu::ScoreSheet], &QAction::triggered, this,
            [this] { showScoreSheet(engine_, *this); });
    connect(menus_[Menu::Hint], &QAction::triggered, this, &frmDominos::hint);
    connect(menus_.gameMenu(), &QMenu::aboutToShow, this, &frmDominos::updateActions);
    // A table opens in a window of its own, once the classic game's flow is idle.
    connect(menus_.newTable(), &QAction::triggered, this, [this] {
        engine_.runWhenIdle([this] {
            NewTableDialog dialog(std::nullopt, this);
            if (dialog.exec() == QDialog::Accepted)
                (new TableWindow(dialog.setup()))->show();
        });
        updateActions();
    });
}

const MainLayout& frmDominos::layout() const {
    return table_->layout();
}

const DesignScale& frmDominos::scale() const {
    return table_->scale();
}

PictureArea& frmDominos::picture(Picture picture) const {
    return table_->picture(picture);
}

QLabel* frmDominos::selectionLabel(SelectionLabel label) const {
    return table_->selectionLabel(label);
}

// --- Window events ---

void frmDominos::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownBefore_)
        return;
    shownBefore_ = true;
    table_->PlayersPic->setFocus();
    engine_.Form_Activate();
}

void frmDominos::closeEvent(QCloseEvent* event) {
    keepWhereLeft(*this);
    QSettings kept = keptSettings();
    conditions_->keep(kept);
    // However the window closes, the day's games are recorded when the player
    // keeps a history; then the help closes and the program ends.
    recordTheDaysGames();
    help_.CloseTheHelp();
    event->accept();
    QCoreApplication::quit();
}

void frmDominos::Form_Click() {
    if (engine_.flowRunning())
        return;
    table_->Label1->setMessage(tr("Width=%1   Height=%2")
                                   .arg(table_->ViewPic->scaleWidth())
                                   .arg(table_->ViewPic->scaleHeight()));
}

// --- Menu entries ---

void frmDominos::mnuGameConditions_Click() {
    conditions_->showModal(dialogFrame());
    engine_.Form_Activate();
}

void frmDominos::mnuAuthor_Click() {
    showAuthorWindow(engine_.state(), this, dialogFrame());
    engine_.Form_Activate();
}

void frmDominos::mnuHelpFile_Click() {
    help_.ShowTheHelp();
}

void frmDominos::mnuQuit_Click() {
    close();
}

bool frmDominos::restartAllowed(bool wholeGame) {
    const GameState& s = engine_.state();
    if (wholeGame) {
        if (s.PlayerScore <= 0 && s.ComputerScore <= 0)
            return true;
        return blocking_.question(tr("Restart the Entire Game"),
                                  tr("Abandon this game at %1 to %2 and start a new one?")
                                      .arg(s.PlayerScore.toLong())
                                      .arg(s.ComputerScore));
    }
    if (s.GameStatus != Phase::PlayersTurn && s.GameStatus != Phase::ComputersTurn)
        return true;
    return blocking_.question(tr("Restart the Existing Round"),
                              tr("Abandon the dominoes laid in this round and deal it again?"));
}

void frmDominos::announce(const QString& news) {
    if (news.isEmpty())
        return;
    news_ << news;
    newsTimer_.start();
}
void frmDominos::tellNews() {
    table_->News->tell(news_.join(QLatin1Char(' ')));
    news_.clear();
}
void frmDominos::stopBox(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
} // namespace pipwright
