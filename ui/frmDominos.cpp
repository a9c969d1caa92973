#include "ui/frmDominos.h"

#include "computer/Hint.h"
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

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <cmath>
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
constexpr int Label1Height = 375;

QString gameText(std::string_view text) {
    QString out = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QFont captionFont() {
    return gameFont(9.75, true);
}

QFont panelFont() {
    return gameFont(8.25, true);
}

// The pixel that a point inside a picture lies in at the designed size.
int designPixel(int twips) {
    return static_cast<int>(std::floor(double(twips) / TwipsPerPixel));
}

// A caption's width at the designed size, in pixels: wide enough for its text.
int captionWidth(const QLabel* label, int designWidth, int slack) {
    return toPixels(std::max(designWidth, textWidthTwips(captionFont(), label->text()) + slack));
}

// A caption in bold blue on the system window colour.
QLabel* captionLabel(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(captionFont());
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    QPalette look = label->palette();
    look.setColor(QPalette::Window, look.color(QPalette::Base));
    look.setColor(QPalette::WindowText, colour::Blue);
    label->setPalette(look);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

QLabel* playedPanel(QWidget* parent, const char* name) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFont(panelFont());
    panel->setTextFormat(Qt::PlainText);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    QPalette look = panel->palette();
    look.setColor(QPalette::Window, colour::LightGrey);
    look.setColor(QPalette::WindowText, colour::Black);
    panel->setPalette(look);
    panel->setAttribute(Qt::WA_NoMousePropagation);
    return panel;
}

PictureArea* pictureArea(QWidget* parent, const char* name, const QColor& fore) {
    auto* area = new PictureArea(colour::LightGrey, fore, parent);
    area->setObjectName(QString::fromLatin1(name));
    return area;
}

} // namespace

frmDominos::frmDominos(QWidget* parent)
    : QMainWindow(parent), random_(timeOfDaySeed()), engine_(*this, random_),
      computer_(engine_, random_.seedValue()), menus_(*menuBar()) {
    engine_.setComputer(&computer_);
    blocking_.result = [this](const ResultTexts& texts) {
        pipwright::showResultWindow(texts, this, dialogFrame());
    };
    blocking_.messageBox = [this](const QString& title, const QString& text) {
        stopBox(title, text);
    };
    blocking_.timeOutNotice = [this](const QString& caption, const QString& text) {
        pipwright::showTimeOutNotice(caption, text, layout_.playersPic.left(), dialogFrame(), this);
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
    LblPlayerSelect = captionLabel(ViewPic, "LblPlayerSelect", "Player's Selection");
    LblComputersSelect = captionLabel(ViewPic, "LblComputersSelect", "Computer's Selection");
    ComputersPic = pictureArea(inner, "ComputersPic", colour::FaceDown);
    LblComputer = captionLabel(ComputersPic, "LblComputer", "Computer's Dominos");
    BoneYardPic = pictureArea(inner, "BoneYardPic", colour::FaceDown);
    LblBoneYard = captionLabel(BoneYardPic, "LblBoneYard", "BoneYard Dominos");
    PlayersPic = pictureArea(inner, "PlayersPic", colour::Black);
    ComPlayerCantPlay = new QPushButton(QStringLiteral("Can't Play"), PlayersPic);
    ComPlayerCantPlay->setObjectName(QStringLiteral("ComPlayerCantPlay"));
    // Keys go to the game, not to the button.
    ComPlayerCantPlay->setFocusPolicy(Qt::NoFocus);
    LBLPlayerPlayed = playedPanel(PlayersPic, "LBLPlayerPlayed");
    LBLComputerPlayed = playedPanel(PlayersPic, "LBLComputerPlayed");
    LblPlayer = captionLabel(PlayersPic, "LblPlayer", "Player's Dominos");
    captionHeight_ = toPixels(textHeightTwips(captionFont()));
    captionWidths_ = {
        {LblPlayerSelect, captionWidth(LblPlayerSelect, PlayerSelectWidth, 60)},
        {LblComputersSelect, captionWidth(LblComputersSelect, ComputerSelectWidth, 60)},
        {LblComputer, captionWidth(LblComputer, ComputerLabelWidth, 60)},
        {LblBoneYard, captionWidth(LblBoneYard, BoneYardLabelWidth, 60)},
        {LblPlayer, captionWidth(LblPlayer, PlayerLabelWidth, 60)},
    };
    Label1 = new MessageLine(inner);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setMessage(QStringLiteral("Label1"));
    StatusBar1 = new StatusPanels(inner);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    describeHowToPlay();
}

void frmDominos::Form_Load() {
    // The picture borders, measured on PlayersPic at its design size.
    PlayersPic->resize(toPixels(PlayersDesign));
    const int horizontalAllowance =
        toTwips(PlayersPic->width() - PlayersPic->contentsRect().width());
    const int verticalAllowance =
        toTwips(PlayersPic->height() - PlayersPic->contentsRect().height());

    // Laid out at the designed size; the window may then be made larger.
    const QSize designed = toPixels(QSize(WindowWidth, WindowHeight));
    resize(designed);
    setMinimumSize(designed);

    conditions_ = new GameConditionsDialog(engine_.state(), Timer1, this);
    layOut(horizontalAllowance, verticalAllowance);
    openWhereLeft(*this, designed);

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
    in.statusBarHeight = StatusBar1->designHeightTwips();
    in.horizontalAllowance = horizontalAllowance;
    in.verticalAllowance = verticalAllowance;
    // Captions are measured in the font they are shown in, so each label
    // fits exactly above the row it names.
    in.boneYardCaptionHeight = textHeightTwips(LblBoneYard->font());
    in.playerCaptionHeight = textHeightTwips(LblPlayer->font());
    in.playerLabelWidth = toTwips(captionWidths_.value(LblPlayer));
    in.cantPlayWidth = CantPlayDesign.width();
    in.playedWidth = PlayedDesign.width();
    in.label1Height = Label1Height;
    layout_ = layOutMainWindow(in);
    designInner_ = toPixels(QSize(in.innerWidth, in.innerHeight));
    applyScale();
}

void frmDominos::applyScale() {
    scale_ =
        DesignScale::fit(designInner_, QSize(width(), height() - menuBar()->sizeHint().height()));
    const double factor = scale_.factor;
    StatusBar1->setScale(factor);
    StatusBar1->setGeometry(scale_.place(layout_.statusBar));
    // The status bar answers its panels' new fonts now, in this paint, rather
    // than with a second one; when their height changes it builds a new
    // layout, which asks once more.
    for (int requests = 0; requests < 2; ++requests)
        QCoreApplication::sendPostedEvents(StatusBar1, QEvent::LayoutRequest);
    Label1->setScale(factor);
    Label1->setGeometry(scale_.place(layout_.label1));
    for (const auto& [area, twips] :
         {std::pair{BoneYardPic, layout_.boneYardPic}, std::pair{PlayersPic, layout_.playersPic},
          std::pair{ComputersPic, layout_.computersPic}, std::pair{ViewPic, layout_.viewPic}}) {
        area->setFrameScale(factor);
        area->setGeometry(scale_.place(twips));
        area->setScale(TwipsPerPixel / factor, TwipsPerPixel / factor);
    }
    // The play field measures its inner area in the numbers of its outer size.
    const QSize viewInner = ViewPic->contentsRect().size();
    ViewPic->setScale(double(layout_.viewPic.width()) / viewInner.width(),
                      double(layout_.viewPic.height()) / viewInner.height());

    const QFont caption = scale_.font(captionFont());
    for (auto it = captionWidths_.cbegin(); it != captionWidths_.cend(); ++it) {
        it.key()->setFont(caption);
        it.key()->resize(scale_.scaled(it.value()), scale_.scaled(captionHeight_));
    }
    const QFont panel = scale_.font(panelFont());
    ComPlayerCantPlay->setFont(panel);
    ComPlayerCantPlay->setFixedSize(scale_.pixels(CantPlayDesign));
    for (QLabel* played : {LBLPlayerPlayed, LBLComputerPlayed}) {
        played->setFont(panel);
        played->setLineWidth(std::max(1, scale_.scaled(1)));
        played->resize(scale_.pixels(PlayedDesign));
    }

    auto place = [](QWidget* control, PictureArea* area, QPoint twips) {
        control->move(area->toWidget(twips.x(), twips.y()));
    };
    place(LblBoneYard, BoneYardPic, layout_.lblBoneYard);
    place(LblPlayer, PlayersPic, layout_.lblPlayer);
    place(LblComputer, ComputersPic, layout_.lblComputer);
    place(ComPlayerCantPlay, PlayersPic, layout_.cantPlay);
    place(LBLPlayerPlayed, PlayersPic, layout_.playerPlayed);
    place(LBLComputerPlayed, PlayersPic, layout_.computerPlayed);
    placeSelectionLabel(SelectionLabel::Player);
    placeSelectionLabel(SelectionLabel::Computer);
}

PlacementFrame frmDominos::dialogFrame() const {
    const QSize drawn(scale_.scaled(designInner_.width()), scale_.scaled(designInner_.height()));
    return {QRect(centralWidget()->mapToGlobal(scale_.offset), drawn), scale_.factor,
            screen()->availableGeometry()};
}

void frmDominos::placeSelectionLabel(SelectionLabel which) {
    QLabel* label = selectionLabel(which);
    const QPoint& at = selectionAnchors_[static_cast<std::size_t>(which)];
    const QPoint anchor = ViewPic->toWidget(at.x(), at.y());
    label->move(anchor.x() - label->width() / 2, anchor.y());
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
    connect(menus_[Menu::ScoreSheet], &QAction::triggered, this,
            [this] { showScoreSheet(engine_, *this); });
    connect(menus_[Menu::Hint], &QAction::triggered, this, [this] {
        // The hinted domino is highlighted, so the player sees which one it is.
        if (const int slot = showHint(engine_, computer_.masterSeeds())) {
            highlighted_ = slot;
            keysUsed_ = true;
            showHighlight();
        }
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

void frmDominos::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!designInner_.isEmpty())
        applyScale();
}

void frmDominos::closeEvent(QCloseEvent* event) {
    keepWhereLeft(*this);
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

// --- WindowPort ---

void frmDominos::setMessage(std::string_view name, std::string_view text) {
    Label1->setMessage(gameText(name) + gameText(text));
    describePictures();
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
    const int room = designPixel(layout_.playerPlayed.x()) - designPixel(layout_.lblPlayer.x()) - 2;
    const int wanted = captionWidth(LblPlayer, 0, 60);
    const int design = toPixels(PlayerLabelWidth);
    const int width = std::min(std::max(wanted, design), std::max(room, design));
    captionWidths_[LblPlayer] = width;
    LblPlayer->resize(scale_.scaled(width), LblPlayer->height());
}

void frmDominos::showSelectionLabel(SelectionLabel which, std::string_view text, int centreX,
                                    int top) {
    QLabel* label = selectionLabel(which);
    label->setText(gameText(text));
    const int width = captionWidth(
        label, which == SelectionLabel::Player ? PlayerSelectWidth : ComputerSelectWidth, 90);
    captionWidths_[label] = width;
    label->resize(scale_.scaled(width), label->height());
    label->setAlignment(Qt::AlignCenter);
    selectionAnchors_[static_cast<std::size_t>(which)] = QPoint(centreX, top);
    placeSelectionLabel(which);
    label->show();
}

void frmDominos::hideSelectionLabel(SelectionLabel label) {
    selectionLabel(label)->hide();
}

void frmDominos::clearPicture(Picture which) {
    picture(which).clear();
    showHighlight();
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
    showHighlight();
}

void frmDominos::paintHalf(Picture which, int x, int y, int pips, bool standing) {
    picture(which).paintHalf(x, y, pips, standing);
    showHighlight();
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
