#include "ui/frmDominos.h"

#include "computer/Hint.h"
#include "ui/Look.h"
#include "ui/MessageLine.h"
#include "ui/PauseTimer.h"
#include "ui/PictureArea.h"
#include "ui/StatusPanels.h"
#include "ui/Twips.h"
#include "ui/WindowIcon.h"
#include "ui/dialogs/AuthorWindow.h"
#include "ui/dialogs/GameConditionsDialog.h"
#include "ui/dialogs/ResultWindows.h"
#include "ui/dialogs/TimeOutNotice.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <utility>

namespace pipwright {

namespace {

// The window's outer size, in twips.
constexpr int WindowWidth = 9720;
constexpr int WindowHeight = 7320;
// Design sizes of controls, in twips.
constexpr QSize PlayersDesign{6345, 600};
constexpr int PlayerSelectWidth = 1905;
constexpr int ComputerSelectWidth = 2220;
constexpr QSize CantPlayDesign{1365, 320};
constexpr QSize PlayedDesign{480, 330};
constexpr int BoneYardLabelWidth = 2025;
constexpr int ComputerLabelWidth = 2160;
constexpr int PlayerLabelWidth = 1845;
constexpr int StatusBarHeight = 360;
constexpr int Label1Height = 375;

QString gameText(std::string_view text) {
    QString out = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

// A caption in bold blue on the system window colour, sized to its text.
QLabel* captionLabel(QWidget* parent, const char* name, const char* text, int designWidth) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(gameFont(9.75, true));
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    QPalette look = label->palette();
    look.setColor(QPalette::Window, look.color(QPalette::Base));
    look.setColor(QPalette::WindowText, colour::Blue);
    label->setPalette(look);
    label->setAttribute(Qt::WA_NoMousePropagation);
    const int width = std::max(designWidth, textWidthTwips(label->font(), label->text()) + 60);
    label->resize(toPixels(width), toPixels(textHeightTwips(label->font())));
    return label;
}

QLabel* playedPanel(QWidget* parent, const char* name) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFont(gameFont(8.25, true));
    panel->setTextFormat(Qt::PlainText);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    QPalette look = panel->palette();
    look.setColor(QPalette::Window, colour::LightGrey);
    look.setColor(QPalette::WindowText, colour::Black);
    panel->setPalette(look);
    panel->setAttribute(Qt::WA_NoMousePropagation);
    panel->resize(toPixels(PlayedDesign));
    return panel;
}

PictureArea* pictureArea(QWidget* parent, const char* name, const QColor& fore) {
    auto* area = new PictureArea(colour::LightGrey, fore, parent);
    area->setObjectName(QString::fromLatin1(name));
    return area;
}

} // namespace

frmDominos::frmDominos(QWidget* parent)
    : QMainWindow(parent), random_(timeOfDaySeed()), engine_(*this, random_), computer_(engine_),
      menus_(*menuBar()) {
    engine_.setComputer(&computer_);
    blocking_.result = [this](const ResultTexts& texts) {
        pipwright::showResultWindow(texts, this);
    };
    blocking_.messageBox = [this](const QString& title, const QString& text) {
        stopBox(title, text);
    };
    blocking_.timeOutNotice = [this](const QString& caption, const QString& text) {
        pipwright::showTimeOutNotice(caption, text, layout_.playersPic.left(), this);
    };
    blocking_.pause = [this](double seconds) { pauseKeepingEvents(seconds * pauseScale_); };
    createControls();
    connectInput();
    connectMenus();
    Form_Load();
}

frmDominos::~frmDominos() = default;

void frmDominos::createControls() {
    setWindowTitle(QStringLiteral("Pipwright"));
    setWindowIcon(dominoIcon());
    auto* inner = new QWidget(this);
    inner->setObjectName(QStringLiteral("InnerArea"));
    inner->installEventFilter(this);
    setCentralWidget(inner);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    ViewPic = pictureArea(inner, "ViewPic", colour::Black);
    LblPlayerSelect =
        captionLabel(ViewPic, "LblPlayerSelect", "Player's Selection", PlayerSelectWidth);
    LblComputersSelect =
        captionLabel(ViewPic, "LblComputersSelect", "Computer's Selection", ComputerSelectWidth);
    ComputersPic = pictureArea(inner, "ComputersPic", colour::FaceDown);
    LblComputer =
        captionLabel(ComputersPic, "LblComputer", "Computer's Dominos", ComputerLabelWidth);
    BoneYardPic = pictureArea(inner, "BoneYardPic", colour::FaceDown);
    LblBoneYard = captionLabel(BoneYardPic, "LblBoneYard", "BoneYard Dominos", BoneYardLabelWidth);
    PlayersPic = pictureArea(inner, "PlayersPic", colour::Black);
    ComPlayerCantPlay = new QPushButton(QStringLiteral("Can't Play"), PlayersPic);
    ComPlayerCantPlay->setObjectName(QStringLiteral("ComPlayerCantPlay"));
    ComPlayerCantPlay->setFont(gameFont(8.25, true));
    ComPlayerCantPlay->setFixedSize(toPixels(CantPlayDesign));
    LBLPlayerPlayed = playedPanel(PlayersPic, "LBLPlayerPlayed");
    LBLComputerPlayed = playedPanel(PlayersPic, "LBLComputerPlayed");
    LblPlayer = captionLabel(PlayersPic, "LblPlayer", "Player's Dominos", PlayerLabelWidth);
    Label1 = new MessageLine(inner);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setMessage(QStringLiteral("Label1"));
    StatusBar1 = new StatusPanels(inner);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
}

void frmDominos::Form_Load() {
    // The picture borders, measured on PlayersPic at its design size.
    PlayersPic->resize(toPixels(PlayersDesign));
    const int horizontalAllowance =
        toTwips(PlayersPic->width() - PlayersPic->contentsRect().width());
    const int verticalAllowance =
        toTwips(PlayersPic->height() - PlayersPic->contentsRect().height());

    // Fixed outer size, centred on the screen's available area.
    setFixedSize(toPixels(QSize(WindowWidth, WindowHeight)));
    const QRect screenArea = screen()->availableGeometry();
    move(screenArea.left() + (screenArea.width() - width()) / 2,
         screenArea.top() + (screenArea.height() - height()) / 2);

    conditions_ = new GameConditionsDialog(engine_.state(), Timer1, this);
    layOut(horizontalAllowance, verticalAllowance);

    Metrics metrics;
    metrics.boneYardLabelHeight = static_cast<Integer>(textHeightTwips(LblBoneYard->font()));
    metrics.computerLabelHeight = static_cast<Integer>(textHeightTwips(LblComputer->font()));
    metrics.playerHandTop = static_cast<Integer>(layout_.playerHandTop);
    engine_.Form_Load(metrics);
    help_.InitTheHelp(this);
}

void frmDominos::layOut(int horizontalAllowance, int verticalAllowance) {
    LayoutInput in;
    in.innerWidth = toTwips(width());
    in.innerHeight = toTwips(height() - menuBar()->sizeHint().height());
    in.statusBarHeight = StatusBarHeight;
    in.horizontalAllowance = horizontalAllowance;
    in.verticalAllowance = verticalAllowance;
    // Captions are measured in the font they are shown in, so each label
    // fits exactly above the row it names.
    in.boneYardCaptionHeight = textHeightTwips(LblBoneYard->font());
    in.playerCaptionHeight = textHeightTwips(LblPlayer->font());
    in.playerLabelWidth = toTwips(LblPlayer->width());
    in.cantPlayWidth = CantPlayDesign.width();
    in.playedWidth = PlayedDesign.width();
    in.label1Height = Label1Height;
    layout_ = layOutMainWindow(in);

    StatusBar1->setGeometry(toPixels(layout_.statusBar));
    BoneYardPic->setGeometry(toPixels(layout_.boneYardPic));
    PlayersPic->setGeometry(toPixels(layout_.playersPic));
    ComputersPic->setGeometry(toPixels(layout_.computersPic));
    Label1->setGeometry(toPixels(layout_.label1));
    ViewPic->setGeometry(toPixels(layout_.viewPic));
    // The play field measures its inner area in the numbers of its outer size.
    const QSize viewInner = ViewPic->contentsRect().size();
    ViewPic->setScale(double(layout_.viewPic.width()) / viewInner.width(),
                      double(layout_.viewPic.height()) / viewInner.height());

    auto place = [](QWidget* control, PictureArea* area, QPoint twips) {
        control->move(area->toWidget(twips.x(), twips.y()));
    };
    place(LblBoneYard, BoneYardPic, layout_.lblBoneYard);
    place(LblPlayer, PlayersPic, layout_.lblPlayer);
    place(LblComputer, ComputersPic, layout_.lblComputer);
    place(ComPlayerCantPlay, PlayersPic, layout_.cantPlay);
    place(LBLPlayerPlayed, PlayersPic, layout_.playerPlayed);
    place(LBLComputerPlayed, PlayersPic, layout_.computerPlayed);
}

void frmDominos::connectInput() {
    struct Route {
        PictureArea* area;
        void (Engine::*mouseDown)(int, int);
        void (Engine::*click)();
    };
    for (const Route& route :
         {Route{BoneYardPic, &Engine::BoneYardPic_MouseDown, &Engine::BoneYardPic_Click},
          Route{PlayersPic, &Engine::PlayersPic_MouseDown, &Engine::PlayersPic_Click},
          Route{ViewPic, &Engine::ViewPic_MouseDown, &Engine::ViewPic_Click}}) {
        // A click counts only when its press was taken outside any flow, on
        // the same picture.
        connect(route.area, &PictureArea::pressed, this, [this, route](int x, int y) {
            acceptedPress_ = engine_.flowRunning() ? nullptr : route.area;
            (engine_.*route.mouseDown)(x, y);
        });
        connect(route.area, &PictureArea::clicked, this, [this, route] {
            if (std::exchange(acceptedPress_, nullptr) == route.area)
                (engine_.*route.click)();
            refreshHint();
        });
    }
    connect(ComPlayerCantPlay, &QPushButton::clicked, this, [this] {
        engine_.ComPlayerCantPlay_Click();
        refreshHint();
    });
    connect(&Timer1, &QTimer::timeout, this, [this] {
        engine_.Timer1_Timer();
        refreshHint();
    });
}

void frmDominos::connectMenus() {
    auto whenIdle = [this](Menu menu, const std::function<void()>& action) {
        connect(menus_[menu], &QAction::triggered, this, [this, action] {
            engine_.runWhenIdle(action);
            refreshHint();
        });
    };
    whenIdle(Menu::OpenGame, [this] { mnuOpenGame_Click(); });
    whenIdle(Menu::SaveGame, [this] { mnuSaveGame_Click(); });
    whenIdle(Menu::RestartTheRound, [this] { engine_.mnuRestartTheRound_Click(); });
    whenIdle(Menu::RestartTheGame, [this] { engine_.mnuRestartTheGame_Click(); });
    whenIdle(Menu::GameHistory, [this] { mnuGameHistory_Click(); });
    whenIdle(Menu::GameConditions, [this] { mnuGameConditions_Click(); });
    whenIdle(Menu::Author, [this] { mnuAuthor_Click(); });
    connect(menus_[Menu::Quit], &QAction::triggered, this, &frmDominos::mnuQuit_Click);
    connect(menus_[Menu::HelpFile], &QAction::triggered, this, &frmDominos::mnuHelpFile_Click);
    connect(menus_[Menu::Hint], &QAction::triggered, this, [this] {
        showHint(engine_);
        refreshHint();
    });
    connect(menus_.gameMenu(), &QMenu::aboutToShow, this, &frmDominos::refreshHint);
}

// The hint is on offer only in the player's turn. Play changes the turn only
// through the input handled above, so each of them looks again when done.
void frmDominos::refreshHint() {
    menus_[Menu::Hint]->setEnabled(hintAvailable(engine_));
}

PictureArea& frmDominos::picture(Picture picture) const {
    switch (picture) {
    case Picture::View:
        return *ViewPic;
    case Picture::Players:
        return *PlayersPic;
    case Picture::BoneYard:
        return *BoneYardPic;
    case Picture::Computers:
        break;
    }
    return *ComputersPic;
}

QLabel* frmDominos::selectionLabel(SelectionLabel label) const {
    return label == SelectionLabel::Player ? LblPlayerSelect : LblComputersSelect;
}

// --- Window events ---

void frmDominos::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownBefore_)
        return;
    shownBefore_ = true;
    engine_.Form_Activate();
}

void frmDominos::closeEvent(QCloseEvent* event) {
    // However the window closes, the day's games are recorded when the player
    // keeps a history; then the help closes and the program ends.
    recordTheDaysGames();
    help_.CloseTheHelp();
    event->accept();
    QCoreApplication::quit();
}

bool frmDominos::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget()) {
        if (event->type() == QEvent::MouseButtonPress) {
            // Presses that controls pass on (the status bar, the captions)
            // are not on the bare background.
            const auto* press = static_cast<QMouseEvent*>(event);
            backgroundPressed_ = press->button() == Qt::LeftButton &&
                                 !centralWidget()->childAt(press->position().toPoint());
        } else if (event->type() == QEvent::MouseButtonRelease && backgroundPressed_) {
            backgroundPressed_ = false;
            const auto* release = static_cast<QMouseEvent*>(event);
            if (release->button() == Qt::LeftButton &&
                centralWidget()->rect().contains(release->position().toPoint()))
                Form_Click();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmDominos::Form_Click() {
    if (engine_.flowRunning())
        return;
    Label1->setMessage(QStringLiteral("Width=%1   Height=%2")
                           .arg(ViewPic->scaleWidth())
                           .arg(ViewPic->scaleHeight()));
}

// --- Menu entries ---

void frmDominos::mnuGameConditions_Click() {
    conditions_->showModal();
    engine_.Form_Activate();
}

void frmDominos::mnuAuthor_Click() {
    showAuthorWindow(engine_.state(), this);
    engine_.Form_Activate();
}

void frmDominos::mnuHelpFile_Click() {
    help_.ShowTheHelp();
}

void frmDominos::mnuQuit_Click() {
    close();
}

// --- WindowPort ---

void frmDominos::setMessage(std::string_view name, std::string_view text) {
    Label1->setMessage(gameText(name) + gameText(text));
}

void frmDominos::setStatusPanel(int panel, std::string_view text) {
    StatusBar1->setPanelText(panel, gameText(text));
}

void frmDominos::setPlayerPlayed(std::string_view text) {
    LBLPlayerPlayed->setText(gameText(text));
}

void frmDominos::setComputerPlayed(std::string_view text) {
    LBLComputerPlayed->setText(gameText(text));
}

void frmDominos::setPlayerCaption(std::string_view text) {
    LblPlayer->setText(gameText(text));
    // Longer names widen the caption up to the played-domino panel.
    const int room = LBLPlayerPlayed->x() - LblPlayer->x() - 2;
    const int wanted = toPixels(textWidthTwips(LblPlayer->font(), LblPlayer->text()) + 60);
    const int design = toPixels(PlayerLabelWidth);
    LblPlayer->resize(std::min(std::max(wanted, design), std::max(room, design)),
                      LblPlayer->height());
}

void frmDominos::showSelectionLabel(SelectionLabel which, std::string_view text, int centreX,
                                    int top) {
    QLabel* label = selectionLabel(which);
    label->setText(gameText(text));
    const int width =
        std::max(which == SelectionLabel::Player ? PlayerSelectWidth : ComputerSelectWidth,
                 textWidthTwips(label->font(), label->text()) + 90);
    label->resize(toPixels(width), label->height());
    label->setAlignment(Qt::AlignCenter);
    const QPoint anchor = ViewPic->toWidget(centreX, top);
    label->move(anchor.x() - label->width() / 2, anchor.y());
    label->show();
}

void frmDominos::hideSelectionLabel(SelectionLabel label) {
    selectionLabel(label)->hide();
}

void frmDominos::clearPicture(Picture which) {
    picture(which).clear();
}

void frmDominos::fillBox(Picture which, const Rect& rect, Fill fill) {
    PictureArea& area = picture(which);
    QColor colour;
    switch (fill) {
    case Fill::Foreground:
        colour = area.foreColour();
        break;
    case Fill::Background:
        colour = area.backColour();
        break;
    case Fill::Black:
        colour = colour::Black;
        break;
    case Fill::White:
        colour = colour::White;
        break;
    case Fill::Grey:
        colour = colour::Grey;
        break;
    }
    area.fillBox(rect, colour);
}

void frmDominos::paintHalf(Picture which, int x, int y, int pips, bool standing) {
    picture(which).paintHalf(x, y, pips, standing);
}

void frmDominos::setMenuEnabled(Menu menu, bool enabled) {
    menus_[menu]->setEnabled(enabled);
}

void frmDominos::setBusyPointer(bool busy) {
    for (QWidget* widget : std::initializer_list<QWidget*>{this, ViewPic, PlayersPic, BoneYardPic,
                                                           ComputersPic, StatusBar1}) {
        if (busy)
            widget->setCursor(Qt::WaitCursor);
        else
            widget->unsetCursor();
    }
}

void frmDominos::PauseTimer(double seconds) {
    blocking_.pause(seconds);
}

void frmDominos::stopBox(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void frmDominos::messageBox(std::string_view title, std::string_view text) {
    blocking_.messageBox(gameText(title), gameText(text));
}

void frmDominos::showResultWindow(ResultWindow window, const GameState& state) {
    blocking_.result(resultTexts(window, state));
}

void frmDominos::showTimeOutNotice(std::string_view caption, std::string_view text) {
    blocking_.timeOutNotice(gameText(caption), gameText(text));
}

bool frmDominos::timerBoxChecked() const {
    return conditions_ && conditions_->timerBoxChecked();
}

void frmDominos::setTimer1Enabled(bool enabled) {
    // A timer given no interval yet never expires, as a zero interval would
    // otherwise make it fire at once and without end.
    if (!enabled)
        Timer1.stop();
    else if (!Timer1.isActive() && Timer1.interval() > 0)
        Timer1.start();
}

} // namespace pipwright
