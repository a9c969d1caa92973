#include "ui/table/TableWindow.h"

#include "storage/SavedTableFile.h"
#include "ui/GameFolder.h"
#include "ui/TableAccessible.h"
#include "ui/WindowIcon.h"
#include "ui/table/NewTableDialog.h"
#include "ui/table/TableDrawing.h"
#include "ui/table/TableHistory.h"
#include "ui/table/TableSheetWindow.h"
#include "ui/table/TableTexts.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <algorithm>
#include <random>
#include <tuple>

namespace pipwright {

using rules::Domino;
using rules::End;
using session::Answer;
using session::HumanSeat;
using session::Refused;

namespace {

constexpr int FasterMs = 400, NormalMs = 1000, SlowerMs = 2000;

// Why a command was refused; the game tells which domino must lead.
QString refusalText(const Answer& answer, const rules::Game& game) {
    switch (answer.refused) {
    case Refused::None:
        return {};
    case Refused::NotYourTurn:
        return TableWindow::tr("Wait for your turn.");
    case Refused::NothingSelected:
        return TableWindow::tr("Select a domino first.");
    case Refused::NotInHand:
        return TableWindow::tr("That domino is not in your hand.");
    case Refused::Rules:
        break;
    }
    switch (answer.rule) {
    case rules::Refusal::DoesNotMatch:
        return TableWindow::tr("That domino does not match that end.");
    case rules::Refusal::MustLead:
        return TableWindow::tr("This hand must be led with %1.")
            .arg(tabletext::dominoText(game.requiredLead().value_or(Domino::of(6, 6))));
    case rules::Refusal::CanLay:
        return TableWindow::tr("A domino fits: lay it.");
    case rules::Refusal::RulesPass:
        return TableWindow::tr("This game does not draw: pass.");
    case rules::Refusal::BoneYardEmpty:
        return TableWindow::tr("The BoneYard is empty: pass.");
    case rules::Refusal::MustDraw:
        return TableWindow::tr("Draw from the BoneYard first.");
    case rules::Refusal::HandInPlay:
        return TableWindow::tr("The hand is still being played.");
    default:
        return TableWindow::tr("Not now.");
    }
}

// The reading of a list of dominoes for the screen reader.
PictureReading listReading(const QString& name, const QStringList& items, std::vector<QRect> rects,
                           int focus, int selected) {
    PictureReading reading;
    reading.role = QAccessible::List;
    reading.name = name;
    reading.items = items;
    reading.itemRects = std::move(rects);
    reading.focusItem = focus;
    reading.selectedItem = selected;
    return reading;
}

} // namespace

TableWindow::TableWindow(const session::TableSetup& setup, QWidget* parent)
    : TableWindow(std::make_unique<session::TableSession>(setup), parent) {}

TableWindow::TableWindow(std::unique_ptr<session::TableSession> session, QWidget* parent)
    : QMainWindow(parent), session_(std::move(session)) {
    setObjectName(QStringLiteral("TableWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(
        tr("%1 – Pipwright").arg(tabletext::presetTitle(session_->setup().rules.preset)));
    setWindowIcon(dominoIcon());
    drawing_ = new TableDrawing(*session_, this);
    setCentralWidget(drawing_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("TableStatus"));
    statusBar()->addWidget(status_, 1);
    news_ = new NewsLine(this);
    onward_ = new QPushButton(drawing_);
    onward_->setObjectName(QStringLiteral("Onward"));
    onward_->hide();
    connect(onward_, &QPushButton::clicked, this, &TableWindow::nextHand);

    QSettings settings;
    thinkMs_ = settings.value(QStringLiteral("table/thinkMs"), NormalMs).toInt();
    drawing_->setMovement(settings.value(QStringLiteral("table/movement"), true).toBool());
    createActions();
    createAccessibility();

    connect(drawing_, &TableDrawing::handClicked, this, &TableWindow::clickHand);
    connect(drawing_, &TableDrawing::handDoubleClicked, this, &TableWindow::doubleClickHand);
    connect(drawing_, &TableDrawing::endClicked, this, &TableWindow::clickEnd);
    connect(drawing_, &TableDrawing::dropped, this, [this](Domino domino, End end) {
        answered(session_->select(domino));
        layOn(end);
    });
    think_.setSingleShot(true);
    connect(&think_, &QTimer::timeout, this, &TableWindow::computerMoves);
    session_->addListener(this);
    // The table's own size, within the screen's room for windows.
    QSize size(1100, 760);
    if (const QScreen* where = screen())
        size = size.boundedTo(where->availableGeometry().size() * 0.95);
    resize(size);
    // A table opened at a hand's end shows that end as it was told.
    if (const std::optional<rules::HandEnded>& ended = session_->handEnded()) {
        tableEvent(*ended);
        if (session_->game().phase() == rules::Phase::GameOver && ended->winner != rules::NoSeat) {
            const int side = rules::sideOf(session_->game().rules(), ended->winner);
            showGameOver(rules::GameEnded{side, rules::firstSeatOf(session_->game().rules(), side)},
                         {});
        }
        pendingNews_.clear();
    }
    schedule();
    refresh();
}

TableWindow::~TableWindow() {
    think_.stop();
    session_->removeListener(this);
    // The drawing and the screen reader's readers read the session: they go first.
    readers_.clear();
    delete takeCentralWidget();
}

void TableWindow::createActions() {
    auto add = [this](TableCommand command, const QString& text, const QKeySequence& key,
                      const char* name, auto&& slot) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            action->setShortcut(key);
        addAction(action);
        connect(action, &QAction::triggered, this, slot);
        actions_[static_cast<std::size_t>(command)] = action;
        return action;
    };
    QMenu* table = menuBar()->addMenu(tr("&Table"));
    table->addAction(add(TableCommand::NewTable, tr("&New Table..."),
                         QKeySequence(Qt::CTRL | Qt::Key_N), "tableNew",
                         &TableWindow::openNewTable));
    table->addAction(add(TableCommand::Open, tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O),
                         "tableOpen", &TableWindow::openTable));
    table->addAction(add(TableCommand::Save, tr("&Save..."), QKeySequence(Qt::CTRL | Qt::Key_S),
                         "tableSave", &TableWindow::saveTable));
    table->addAction(add(TableCommand::Restart, tr("&Restart the Game"),
                         QKeySequence(Qt::CTRL | Qt::Key_R), "tableRestart",
                         &TableWindow::restart));
    table->addAction(add(TableCommand::ScoreSheet, tr("Score S&heet"),
                         QKeySequence(Qt::CTRL | Qt::Key_T), "tableScoreSheet",
                         &TableWindow::showSheet));
    table->addAction(add(TableCommand::GameHistory, tr("Game Histor&y"), {}, "tableHistory",
                         &TableWindow::showHistory));
    table->addSeparator();
    table->addAction(add(TableCommand::Close, tr("&Close"), QKeySequence(Qt::CTRL | Qt::Key_W),
                         "tableClose", &QWidget::close));

    QMenu* play = menuBar()->addMenu(tr("&Play"));
    add(TableCommand::Previous, tr("Previous Domino"),
        QKeySequence(QKeySequence::MoveToPreviousChar), "keyPrevious",
        [this] { moveHighlight(-1); });
    add(TableCommand::Next, tr("Next Domino"), QKeySequence(QKeySequence::MoveToNextChar),
        "keyNext", [this] { moveHighlight(1); });
    play->addAction(add(TableCommand::Select, tr("&Select Domino"), QKeySequence(Qt::Key_Return),
                        "keySelect", [this] {
                            const std::vector<Domino> hand = drawing_->handShown();
                            const int i = drawing_->highlight();
                            if (i >= 0 && i < int(hand.size()))
                                clickHand(hand[std::size_t(i)]);
                        }));
    action(TableCommand::Select)->setShortcuts({Qt::Key_Return, Qt::Key_Enter});
    play->addAction(add(TableCommand::LayLeft, tr("Lay on the &Left End"), QKeySequence(Qt::Key_L),
                        "keyLayLeft", [this] { layOn(End::Left); }));
    play->addAction(add(TableCommand::LayRight, tr("Lay on the &Right End"),
                        QKeySequence(Qt::Key_R), "keyLayRight", [this] { layOn(End::Right); }));
    play->addAction(add(TableCommand::Draw, tr("&Draw"), QKeySequence(Qt::Key_B), "keyDraw",
                        [this] { answered(session_->draw()); }));
    play->addAction(add(TableCommand::Pass, tr("&Pass"), QKeySequence(Qt::Key_C), "keyPass",
                        [this] { answered(session_->pass()); }));
    play->addAction(
        add(TableCommand::Hint, tr("&Hint"), QKeySequence(Qt::Key_H), "keyHint", [this] {
            if (const std::optional<rules::Move> hint = session_->hint()) {
                if (hint->kind == rules::Move::Kind::Lay) {
                    answered(session_->select(hint->domino));
                    const std::vector<Domino> hand = drawing_->handShown();
                    drawing_->setHighlight(
                        int(std::find(hand.begin(), hand.end(), hint->domino) - hand.begin()));
                }
                setStatus(tabletext::hintText(*hint));
                news_->tell(tabletext::hintText(*hint));
            }
        }));
    play->addSeparator();
    play->addAction(add(TableCommand::NextHand, tr("&Next Hand"), QKeySequence(Qt::Key_N),
                        "keyNextHand", &TableWindow::nextHand));

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    auto* pace = new QActionGroup(this);
    for (auto [command, text, ms, name] :
         {std::tuple{TableCommand::Faster, tr("&Faster Computers"), FasterMs, "paceFaster"},
          std::tuple{TableCommand::NormalPace, tr("&Normal Pace"), NormalMs, "paceNormal"},
          std::tuple{TableCommand::Slower, tr("&Slower Computers"), SlowerMs, "paceSlower"}}) {
        QAction* a = add(command, text, {}, name, [this, ms = ms] {
            setThinkingTime(ms);
            QSettings().setValue(QStringLiteral("table/thinkMs"), ms);
        });
        a->setCheckable(true);
        a->setChecked(thinkMs_ == ms);
        pace->addAction(a);
        options->addAction(a);
    }
    options->addSeparator();
    QAction* movement = add(TableCommand::Movement, tr("&Movement"), {}, "movement", [this] {
        drawing_->setMovement(action(TableCommand::Movement)->isChecked());
        QSettings().setValue(QStringLiteral("table/movement"), drawing_->movement());
    });
    movement->setCheckable(true);
    movement->setChecked(drawing_->movement());
    options->addAction(movement);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(add(TableCommand::Help, tr("&How to Play"), QKeySequence(Qt::Key_F1),
                        "tableHelp", &TableWindow::showHelp));
}

void TableWindow::createAccessibility() {
    installTableAccessibility();
    auto overlay = [this](const char* name) {
        auto* widget = new QWidget(drawing_);
        widget->setObjectName(QString::fromLatin1(name));
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget->setFocusPolicy(Qt::NoFocus);
        widget->show();
        return widget;
    };
    handList_ = overlay("YourHand");
    handList_->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(handList_);
    drawing_->setFocusProxy(handList_);
    readers_.push_back(new PictureReader(handList_, [this] {
        const std::vector<Domino> hand = drawing_->handShown();
        QStringList items;
        std::vector<QRect> rects;
        int selected = -1;
        for (int i = 0; i < int(hand.size()); ++i) {
            items.append(tabletext::dominoText(hand[std::size_t(i)]));
            rects.push_back(drawing_->toWidget(canvas::handTile(i, int(hand.size())))
                                .toRect()
                                .translated(-handList_->pos()));
            if (session_->selected() == hand[std::size_t(i)])
                selected = i;
        }
        const int focus = std::min(drawing_->highlight(), int(hand.size()) - 1);
        return listReading(tr("Your hand"), items, rects, focus, selected);
    }));
    lineList_ = overlay("Line");
    readers_.push_back(new PictureReader(lineList_, [this] {
        QStringList items;
        std::vector<QRect> rects;
        for (const LineTile& tile : drawing_->lineShown()) {
            items.append(QStringLiteral("%1-%2").arg(tile.first).arg(tile.second));
            rects.push_back(drawing_->toWidget(tile.rect).toRect().translated(-lineList_->pos()));
        }
        return listReading(tabletext::lineName(session_->game().line()), items, rects, -1, -1);
    }));
    for (int seat = 0; seat < session_->game().rules().seats; ++seat) {
        QWidget* box = seatBoxes_[std::size_t(seat)] = overlay("Seat");
        box->setObjectName(QStringLiteral("Seat%1").arg(seat));
        readers_.push_back(new PictureReader(box, [this, seat] {
            const rules::RuleSet& rules = session_->game().rules();
            const int count = session_->game().hand(seat).size();
            PictureReading reading;
            reading.role = QAccessible::StaticText;
            reading.name =
                seat == HumanSeat
                    ? tr("%1, %2").arg(tabletext::seatName(rules, seat),
                                       tabletext::dominoCount(count))
                    : tr("%1, %2, %3")
                          .arg(tabletext::seatName(rules, seat),
                               tabletext::levelName(session_->setup().levels[std::size_t(seat)]),
                               tabletext::dominoCount(count));
            if (session_->seatToPlay(seat))
                reading.name += tr(", to play");
            return reading;
        }));
    }
}

void TableWindow::placeOverlays() {
    const int count = std::max(1, int(drawing_->handShown().size()));
    handList_->setGeometry(drawing_
                               ->toWidget(canvas::handTile(0, count)
                                              .united(canvas::handTile(count - 1, count))
                                              .adjusted(0, -40, 0, 0))
                               .toRect());
    lineList_->setGeometry(drawing_->toWidget(canvas::lineArea()).toRect());
    for (int seat = 0; seat < session_->game().rules().seats; ++seat)
        seatBoxes_[std::size_t(seat)]->setGeometry(
            drawing_->toWidget(canvas::seatPanel(session_->game().rules(), seat)).toRect());
    onward_->setGeometry(drawing_->summaryButtonPlace().toRect());
}

void TableWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeOverlays();
}

void TableWindow::closeEvent(QCloseEvent* event) {
    // A computer's turn in progress simply stops with the window.
    think_.stop();
    event->accept();
    // Games the history could not take are tried once more; should they still
    // fail, the player is told in a window of its own, which outlives the table.
    const QString problems = recordWaitingTableGames(QDate::currentDate());
    if (problems.isEmpty())
        return;
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), problems, QMessageBox::Ok);
    box->setObjectName(QStringLiteral("HistoryNotWritten"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

QString TableWindow::statusText() const {
    return status_->text();
}

QString TableWindow::lastNews() const {
    return told_;
}

void TableWindow::setThinkingTime(int ms) {
    thinkMs_ = std::max(0, ms);
    if (think_.isActive())
        think_.start(thinkMs_);
}

void TableWindow::setStatus(const QString& text) {
    told_ = text;
    showStatus();
}

void TableWindow::showStatus() {
    // The last news, then whose turn it is.
    QString turn;
    if (session_->humanToPlay())
        turn = tr("Your turn.");
    else if (session_->computerToPlay())
        turn = tr("%1 is thinking...")
                   .arg(tabletext::seatName(session_->game().rules(), session_->game().turn()));
    status_->setText(told_.isEmpty()  ? turn
                     : turn.isEmpty() ? told_
                                      : told_ + QStringLiteral("  ·  ") + turn);
}

void TableWindow::schedule() {
    if (session_->computerToPlay() && !held_) {
        if (!think_.isActive())
            think_.start(thinkMs_);
    } else {
        think_.stop();
    }
}

void TableWindow::computerMoves() {
    answered(session_->playComputerTurn());
}

void TableWindow::answered(const Answer& answer) {
    // What one move did is told as one piece of news: a screen reader reads a
    // notification when it arrives, and a second one at once would cut the first.
    if (!pendingNews_.isEmpty())
        news_->tell(pendingNews_.join(QLatin1Char(' ')));
    pendingNews_.clear();
    if (!answer.accepted()) {
        setStatus(refusalText(answer, session_->game()));
        QApplication::beep();
    }
    schedule();
    refresh();
}

void TableWindow::clickHand(Domino domino) {
    if (session_->selected() == domino && session_->humanToPlay()) {
        // A second click lays it where it has one place only.
        const std::vector<End> places = session_->placesFor(domino);
        if (places.size() == 1) {
            answered(session_->lay(domino, places.front()));
            return;
        }
    }
    const std::vector<Domino> hand = drawing_->handShown();
    drawing_->setHighlight(int(std::find(hand.begin(), hand.end(), domino) - hand.begin()));
    answered(
        session_->select(session_->selected() == domino ? std::nullopt : std::optional(domino)));
    if (!session_->humanToPlay() && session_->game().phase() == rules::Phase::Playing)
        setStatus(refusalText({Refused::NotYourTurn}, session_->game()));
}

void TableWindow::doubleClickHand(Domino domino) {
    const std::vector<End> places = session_->placesFor(domino);
    if (places.size() == 1)
        answered(session_->lay(domino, places.front()));
    else if (places.size() == 2)
        setStatus(tr("It fits both ends: choose one."));
    else
        answered(session_->lay(domino, End::Left));
}

void TableWindow::clickEnd(End end) {
    layOn(end);
}

void TableWindow::layOn(End end) {
    if (!session_->selected()) {
        // The keys lay the highlighted domino when none is selected.
        const std::vector<Domino> hand = drawing_->handShown();
        const int i = drawing_->highlight();
        if (i >= 0 && i < int(hand.size()))
            session_->select(hand[std::size_t(i)]);
    }
    answered(session_->lay(end));
}

void TableWindow::moveHighlight(int step) {
    const int count = int(drawing_->handShown().size());
    if (count == 0)
        return;
    const int now = drawing_->highlight();
    drawing_->setHighlight(now < 0 ? (step > 0 ? 0 : count - 1) : (now + step + count) % count);
    refresh();
}

void TableWindow::nextHand() {
    if (session_->game().phase() == rules::Phase::GameOver)
        restart();
    else
        answered(session_->nextHand());
}

void TableWindow::restart() {
    session_->newGame(std::random_device{}());
}

void TableWindow::openNewTable() {
    auto* dialog = new NewTableDialog(session_->setup().rules.preset, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    holdComputers(true);
    connect(dialog, &QDialog::finished, this, [this] { holdComputers(false); });
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        auto* table = new TableWindow(dialog->setup());
        table->show();
        close();
    });
    dialog->open();
}

void TableWindow::askForTableFile(const QString& title, bool saving,
                                  const std::function<void(const QString&)>& chosen) {
    auto* dialog =
        new QFileDialog(this, title, gameFilesFolder(), tr("Tables (*.table);;All Files (*)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setDefaultSuffix(QStringLiteral("table"));
    dialog->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The name is settled first, so the question is asked of the file written.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    holdComputers(true);
    connect(dialog, &QDialog::rejected, this, [this] { holdComputers(false); });
    connect(dialog, &QFileDialog::fileSelected, this, [=, this](const QString& file) {
        const QString path = saving ? settledTableFileName(file) : file;
        if (!saving || !QFileInfo::exists(path)) {
            holdComputers(false);
            chosen(path);
            return;
        }
        auto* box = new QMessageBox(
            QMessageBox::Warning, title,
            QCoreApplication::translate("pipwright::frmDominos",
                                        "%1 already exists.\nDo you want to replace it?")
                .arg(QDir::toNativeSeparators(path)),
            QMessageBox::Yes | QMessageBox::No, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setDefaultButton(QMessageBox::No);
        connect(box, &QDialog::finished, this, [this, box, path, chosen] {
            holdComputers(false);
            if (box->clickedButton() == box->button(QMessageBox::Yes))
                chosen(path);
        });
        box->open();
    });
    dialog->open();
}

void TableWindow::tellProblem(const QString& title, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Critical, title, text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    holdComputers(true);
    connect(box, &QDialog::finished, this, [this] { holdComputers(false); });
    box->open();
}

void TableWindow::holdComputers(bool hold) {
    held_ = hold;
    schedule();
}

void TableWindow::saveTable() {
    askForTableFile(tr("Save the Table"), true, [this](const QString& path) { saveTo(path); });
}

bool TableWindow::saveTo(const QString& path) {
    const FileOutcome saved = pipwright::saveTable(path, *session_);
    if (!saved.ok)
        tellProblem(tr("Save the Table"), tr("The table was not saved to\n%1\n\n%2")
                                              .arg(QDir::toNativeSeparators(path), saved.reason));
    return saved.ok;
}

void TableWindow::openTable() {
    askForTableFile(tr("Open a Table"), false, [this](const QString& path) { openFrom(path); });
}

TableWindow* TableWindow::openFrom(const QString& path) {
    OpenedTable opened = pipwright::openTable(path);
    if (!opened.session) {
        tellProblem(tr("Open a Table"),
                    QCoreApplication::translate("pipwright::frmDominos",
                                                "The file\n%1\ncould not be opened.\n\n%2")
                        .arg(QDir::toNativeSeparators(path), opened.reason));
        return nullptr;
    }
    auto* table = new TableWindow(std::move(opened.session));
    table->setThinkingTime(thinkMs_);
    table->setGeometry(geometry());
    table->show();
    close();
    return table;
}

void TableWindow::showSheet() {
    showTableSheet(*this, [this]() -> const session::TableSheet& { return session_->sheet(); });
}

void TableWindow::showHistory() {
    QDialog* window = tableHistoryWindow(this, session_->game().rules().preset);
    if (!window) {
        setStatus(tr("No games are in your history yet."));
        return;
    }
    holdComputers(true);
    connect(window, &QDialog::finished, this, [this] { holdComputers(false); });
    window->open();
}

void TableWindow::showHelp() {
    // Each game's page is named as the game is on the command line: "all-fives.html".
    const std::string_view name = rules::presetInfo(session_->game().rules().preset).name;
    help_.InitTheHelp(this);
    help_.ShowTheHelp(QString::fromLatin1(name.data(), qsizetype(name.size())) +
                      QStringLiteral(".html"));
}

void TableWindow::tableEvent(const rules::Event& event) {
    const rules::RuleSet& rules = session_->game().rules();
    if (const auto* laid = std::get_if<rules::Laid>(&event))
        drawing_->showLaid(*laid);
    else if (const auto* passed = std::get_if<rules::Passed>(&event))
        drawing_->showPass(passed->seat);
    if (const auto* ended = std::get_if<rules::HandEnded>(&event)) {
        const QString text = tabletext::handEndText(session_->game(), *ended);
        QStringList pips;
        for (int seat = 0; seat < rules.seats; ++seat)
            pips.append(tr("%1 %2")
                            .arg(tabletext::seatName(rules, seat))
                            .arg(ended->pips[std::size_t(seat)]));
        const QString scores = tr("Score: %1").arg(tabletext::scoresText(session_->game()));
        const QString left = tr("Pips left: %1").arg(pips.join(QStringLiteral(", ")));
        drawing_->setSummary({tr("The hand is over"), text, scores});
        pendingNews_.append(text + QLatin1Char(' ') + left + QLatin1Char(' ') + scores);
        setStatus(text);
        return;
    }
    if (const auto* won = std::get_if<rules::GameEnded>(&event)) {
        showGameOver(*won, recordTableGame(rules, *won, QDate::currentDate()));
        return;
    }
    const QString told = tabletext::eventText(rules, event);
    pendingNews_.append(told);
    setStatus(told);
}

void TableWindow::showGameOver(const rules::GameEnded& won, const QString& problem) {
    QStringList lines = {tr("The game is over"),
                         tabletext::eventText(session_->game().rules(), won),
                         tr("Score: %1").arg(tabletext::scoresText(session_->game()))};
    drawing_->setSummary(lines);
    if (!problem.isEmpty())
        lines[1] += QLatin1Char(' ') + problem;
    pendingNews_.append(lines[1]);
    setStatus(lines[1]);
}

void TableWindow::handDealt() {
    drawing_->forgetHand();
    drawing_->setHighlight(-1);
    setStatus(tr("Hand %1 dealt.").arg(session_->game().handNumber()));
    news_->tell(told_);
    schedule();
    refresh();
}

void TableWindow::selectionChanged() {
    drawing_->update();
}

void TableWindow::refresh() {
    const rules::Phase phase = session_->game().phase();
    onward_->setVisible(phase != rules::Phase::Playing);
    onward_->setText(phase == rules::Phase::GameOver ? tr("New game") : tr("Next hand"));
    showStatus();
    placeOverlays();
    // The keys and the screen reader work in the hand while a hand is played.
    if (phase == rules::Phase::Playing && isActiveWindow() && !handList_->hasFocus())
        handList_->setFocus();
    else if (phase != rules::Phase::Playing && isActiveWindow())
        onward_->setFocus();
    updateActions();
    drawing_->update();
    for (PictureReader* reader : readers_)
        reader->update();
    if (ScoreSheetWindow* sheet = tableSheetOf(*this))
        sheet->follow();
}

void TableWindow::updateActions() {
    const rules::MoveList moves = session_->humanMoves();
    bool lays = false, draws = false, passes = false;
    for (const rules::Move& move : moves) {
        lays |= move.kind == rules::Move::Kind::Lay;
        draws |= move.kind == rules::Move::Kind::Draw;
        passes |= move.kind == rules::Move::Kind::Pass;
    }
    action(TableCommand::LayLeft)->setEnabled(lays);
    action(TableCommand::LayRight)->setEnabled(lays);
    action(TableCommand::Draw)->setEnabled(draws);
    action(TableCommand::Pass)->setEnabled(passes);
    action(TableCommand::Hint)->setEnabled(!moves.empty());
    action(TableCommand::NextHand)->setEnabled(session_->game().phase() != rules::Phase::Playing);
}

} // namespace pipwright
