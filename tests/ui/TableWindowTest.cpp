// The table window played by its commands and by its keys, offscreen.

#include "ui/table/TableWindow.h"

#include "rules/Presets.h"
#include "ui/GameFolder.h"
#include "ui/ScoreSheetWindow.h"
#include "ui/table/TableDrawing.h"
#include "ui/table/TableTexts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace pipwright {
namespace {

using rules::Move;

session::TableSetup setupOf(rules::Preset preset, int seats) {
    session::TableSetup setup;
    rules::Choices choices;
    choices.seats = seats;
    setup.rules = *rules::choose(preset, choices).rules;
    setup.levels.fill(table::Level::Novice);
    setup.seed = 5;
    return setup;
}

// Handles events until the condition holds; false if it never does.
template <typename Condition> bool settle(Condition condition) {
    for (int round = 0; round < 100000; ++round) {
        if (condition())
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return condition();
}

// A window that plays at once and without movement, so that a test waits only
// on what the window shows.
std::unique_ptr<TableWindow> quickTable(const session::TableSetup& setup) {
    auto window = std::make_unique<TableWindow>(setup);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setThinkingTime(0);
    window->drawing()->setMovement(false);
    window->show();
    return window;
}

// Waits for the player's turn or the hand's end.
bool awaitPlayer(const TableWindow& window) {
    return settle([&] { return !window.session().computerToPlay(); });
}

bool handOver(const TableWindow& window) {
    return window.session().game().phase() != rules::Phase::Playing;
}

// Plays the player's move as the mouse would: the domino, then the end.
void playByCommands(TableWindow& window, const Move& move) {
    switch (move.kind) {
    case Move::Kind::Draw:
        ASSERT_TRUE(window.action(TableCommand::Draw)->isEnabled());
        window.action(TableCommand::Draw)->trigger();
        return;
    case Move::Kind::Pass:
        ASSERT_TRUE(window.action(TableCommand::Pass)->isEnabled());
        ASSERT_FALSE(window.action(TableCommand::LayLeft)->isEnabled());
        window.action(TableCommand::Pass)->trigger();
        return;
    case Move::Kind::Lay:
        ASSERT_FALSE(window.action(TableCommand::Pass)->isEnabled());
        window.clickHand(move.domino);
        ASSERT_EQ(window.session().selected(), move.domino);
        window.clickEnd(move.end == rules::End::Right ? rules::End::Right : rules::End::Left);
    }
}

struct Table {
    rules::Preset preset;
    int seats;
};

class TablePlays : public testing::TestWithParam<Table> {};

// A whole hand through the window; at its end every hand shows and "Next hand" waits.
TEST_P(TablePlays, AHandByCommands) {
    auto window = quickTable(setupOf(GetParam().preset, GetParam().seats));
    const int hand = window->session().game().handNumber();
    while (!handOver(*window)) {
        ASSERT_TRUE(awaitPlayer(*window));
        if (handOver(*window))
            break;
        const rules::MoveList moves = window->session().humanMoves();
        ASSERT_FALSE(moves.empty());
        const int laid = window->session().game().line().laidCount();
        playByCommands(*window, moves[moves.size() - 1]);
        if (moves[moves.size() - 1].kind == Move::Kind::Lay) {
            EXPECT_EQ(window->session().game().line().laidCount(), laid + 1);
        }
    }
    auto* onward = window->findChild<QPushButton*>(QStringLiteral("Onward"));
    ASSERT_TRUE(onward);
    EXPECT_TRUE(onward->isVisible());
    EXPECT_FALSE(window->lastNews().isEmpty());
    EXPECT_TRUE(window->action(TableCommand::NextHand)->isEnabled());
    if (window->session().game().phase() == rules::Phase::HandOver) {
        onward->click();
        EXPECT_EQ(window->session().game().handNumber(), hand + 1);
        EXPECT_FALSE(onward->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(Presets, TablePlays,
                         testing::Values(Table{rules::Preset::Partners, 4},
                                         Table{rules::Preset::Block, 3},
                                         Table{rules::Preset::Draw, 2},
                                         Table{rules::Preset::AllFives, 4},
                                         Table{rules::Preset::FivesAndThrees, 3}));

// Ctrl+T shows the table's score sheet, which follows the hand while it is open:
// each count that scored, then the hand's end as the window told it and the score.
TEST(TableSheet, OpensByKeyAndFollowsTheHand) {
    auto window = quickTable(setupOf(rules::Preset::AllFives, 2));
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    auto* sheet = window->findChild<ScoreSheetWindow*>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_FALSE(sheet->isModal());
    ASSERT_EQ(sheet->lines().count(), 1);
    EXPECT_EQ(sheet->lines().item(0)->text(), "Hand 1");
    EXPECT_TRUE(sheet->lines().item(0)->font().bold());

    int counts = 0;
    while (!handOver(*window)) {
        ASSERT_TRUE(awaitPlayer(*window));
        if (handOver(*window))
            break;
        const rules::MoveList moves = window->session().humanMoves();
        playByCommands(*window, moves[moves.size() - 1]);
        counts += window->lastNews().contains(QStringLiteral(", scores "));
    }
    ASSERT_TRUE(sheet->lines().count() >= 4 + counts);
    const int last = sheet->lines().count() - 1;
    EXPECT_TRUE(window->statusText().startsWith(sheet->lines().item(last - 2)->text()))
        << window->statusText().toStdString();
    EXPECT_TRUE(sheet->lines().item(last - 1)->text().startsWith("Pips left: You "));
    EXPECT_EQ(sheet->lines().item(last)->text(),
              "Score: " + tabletext::scoresText(window->session().game()));
    EXPECT_TRUE(sheet->lines().item(last)->font().bold());

    // The same window is shown again.
    window->action(TableCommand::ScoreSheet)->trigger();
    EXPECT_EQ(window->findChildren<ScoreSheetWindow*>().size(), 1);
}

// A hand of Partners by the keys alone: arrows to the domino, Enter, then L or R.
TEST(TableKeys, AHandOfPartners) {
    auto window = quickTable(setupOf(rules::Preset::Partners, 4));
    window->activateWindow();
    while (!handOver(*window)) {
        ASSERT_TRUE(awaitPlayer(*window));
        if (handOver(*window))
            break;
        const Move move = window->session().humanMoves()[0];
        if (move.kind == Move::Kind::Pass) {
            QTest::keyClick(window.get(), Qt::Key_C);
            continue;
        }
        const std::vector<rules::Domino> hand = window->drawing()->handShown();
        const int target = int(std::find(hand.begin(), hand.end(), move.domino) - hand.begin());
        for (int step = 0; step < 10 && window->drawing()->highlight() != target; ++step)
            QTest::keyClick(window.get(), Qt::Key_Right);
        ASSERT_EQ(window->drawing()->highlight(), target);
        QTest::keyClick(window.get(), Qt::Key_Return);
        ASSERT_EQ(window->session().selected(), move.domino);
        const int laid = window->session().game().line().laidCount();
        QTest::keyClick(window.get(), move.end == rules::End::Right ? Qt::Key_R : Qt::Key_L);
        ASSERT_EQ(window->session().game().line().laidCount(), laid + 1);
    }
}

// During a computer's turn a click is refused and changes nothing, and closing
// the window then is safe.
TEST(TablePace, ClickInAComputersTurnAndCloseMidTurn) {
    session::TableSetup setup = setupOf(rules::Preset::Draw, 3);
    QPointer<TableWindow> window = new TableWindow(setup);
    window->setThinkingTime(60 * 60 * 1000);
    window->show();
    if (window->session().humanToPlay()) {
        const Move move = window->session().humanMoves()[0];
        playByCommands(*window, move);
    }
    ASSERT_TRUE(window->session().computerToPlay());
    const rules::Game before = window->session().game();
    const rules::Domino mine = *window->session().game().hand(session::HumanSeat).begin();
    window->clickHand(mine);
    window->clickEnd(rules::End::Left);
    EXPECT_EQ(window->session().game(), before);
    EXPECT_TRUE(window->statusText().startsWith(TableWindow::tr("Wait for your turn.")));
    window->close();
    ASSERT_TRUE(settle([&] { return window.isNull(); }));
}

} // namespace
} // namespace pipwright

namespace pipwright {
namespace {

// What is told of each lay names the domino the line then shows at that end,
// matched half inward.
struct LineWatch : session::TableListener {
    const session::TableSession* session = nullptr;
    int checked = 0;
    void tableEvent(const rules::Event& event) override {
        const auto* laid = std::get_if<rules::Laid>(&event);
        if (!laid)
            return;
        const std::vector<LineTile> line = lineOfHand(session->game().record());
        ASSERT_FALSE(line.empty());
        const LineTile& end = laid->end == rules::End::Right ? line.back() : line.front();
        EXPECT_EQ(end.domino, laid->domino);
        const int outer = laid->end == rules::End::Right ? end.second : end.first;
        EXPECT_EQ(outer, laid->end == rules::End::Right ? laid->right : laid->left);
        const QString told = tabletext::eventText(session->game().rules(), event);
        const QString shown = laid->end == rules::End::Right
                                  ? QStringLiteral("%1-%2").arg(end.first).arg(end.second)
                                  : QStringLiteral("%1-%2").arg(end.second).arg(end.first);
        if (laid->end != rules::End::First) {
            EXPECT_TRUE(told.contains(shown)) << told.toStdString() << " / " << shown.toStdString();
        }
        ++checked;
    }
};

TEST(TableLine, EachLayIsToldAsTheLineShowsIt) {
    session::TableSession session(setupOf(rules::Preset::Partners, 4));
    LineWatch watch;
    watch.session = &session;
    session.addListener(&watch);
    while (session.game().phase() == rules::Phase::Playing) {
        if (session.humanToPlay()) {
            const Move move = session.humanMoves()[0];
            if (move.kind == Move::Kind::Lay)
                ASSERT_TRUE(session.lay(move.domino, move.end).accepted());
            else
                ASSERT_TRUE(session.pass().accepted());
        } else {
            ASSERT_TRUE(session.playComputerTurn().accepted());
        }
    }
    EXPECT_GT(watch.checked, 4);
}

} // namespace
} // namespace pipwright

namespace pipwright {
namespace {

// The mouse finds the dominoes and the ends where they are drawn: a click on
// the domino, then one on its end, lays it.
TEST(TableMouse, ClickADominoThenItsEnd) {
    auto window = quickTable(setupOf(rules::Preset::Draw, 2));
    window->resize(900, 640);
    TableDrawing* drawing = window->drawing();
    for (int turn = 0; turn < 6 && !handOver(*window); ++turn) {
        ASSERT_TRUE(awaitPlayer(*window));
        if (handOver(*window))
            break;
        const Move move = window->session().humanMoves()[0];
        if (move.kind != Move::Kind::Lay) {
            window->action(move.kind == Move::Kind::Draw ? TableCommand::Draw : TableCommand::Pass)
                ->trigger();
            continue;
        }
        const std::vector<rules::Domino> hand = drawing->handShown();
        const int index = int(std::find(hand.begin(), hand.end(), move.domino) - hand.begin());
        const QPoint onDomino =
            drawing->toWidget(canvas::handTile(index, int(hand.size()))).center().toPoint();
        QTest::mouseClick(drawing, Qt::LeftButton, {}, onDomino);
        ASSERT_EQ(window->session().selected(), move.domino);
        const std::vector<LineTile> line = drawing->lineShown();
        QPoint onEnd = drawing->toWidget(canvas::lineArea()).center().toPoint();
        if (!line.empty()) {
            const LineTile& end = move.end == rules::End::Right ? line.back() : line.front();
            // The outer half of the end's domino.
            const QRectF r = drawing->toWidget(end.rect);
            const bool outerLeft = (move.end == rules::End::Left) != end.reversed;
            onEnd = QPointF(outerLeft ? r.left() + r.width() / 4 : r.right() - r.width() / 4,
                            r.center().y())
                        .toPoint();
        }
        const int laid = window->session().game().line().laidCount();
        QTest::mouseClick(drawing, Qt::LeftButton, {}, onEnd);
        EXPECT_EQ(window->session().game().line().laidCount(), laid + 1);
    }
}

// Saved just after the player's move, the table opens in a new window as it
// was, and plays on from there.
TEST(TableFiles, SavedAfterAMoveReopensTheSameTable) {
    QTemporaryDir folder;
    auto window = quickTable(setupOf(rules::Preset::AllFives, 3));
    ASSERT_TRUE(awaitPlayer(*window));
    const rules::MoveList moves = window->session().humanMoves();
    playByCommands(*window, moves[0]);
    const std::uint64_t decisions = window->session().decisions();
    const QString path = folder.filePath(QStringLiteral("after-a-move"));
    ASSERT_TRUE(window->saveTo(path + QStringLiteral(".table")));
    const rules::Game saved = window->session().game();

    std::unique_ptr<TableWindow> reopened(window->openFrom(path + QStringLiteral(".table")));
    ASSERT_TRUE(reopened);
    reopened->setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_FALSE(window->isVisible()) << "the new window takes the old one's place";
    EXPECT_TRUE(reopened->session().game() == saved);
    EXPECT_EQ(reopened->session().decisions(), decisions);
    EXPECT_TRUE(reopened->session().setup() == window->session().setup());
    ASSERT_TRUE(awaitPlayer(*reopened));
    EXPECT_GT(reopened->session().decisions(), decisions) << "the computers play on";
}

// Saved at a hand's end, the table reopens showing how that hand ended.
TEST(TableFiles, SavedAtAHandsEndReopensShowingIt) {
    QTemporaryDir folder;
    auto window = quickTable(setupOf(rules::Preset::Draw, 2));
    while (!handOver(*window)) {
        ASSERT_TRUE(awaitPlayer(*window));
        if (!handOver(*window))
            playByCommands(*window, window->session().humanMoves()[0]);
    }
    const QString path = folder.filePath(QStringLiteral("hand-over.table"));
    ASSERT_TRUE(window->saveTo(path));
    std::unique_ptr<TableWindow> reopened(window->openFrom(path));
    ASSERT_TRUE(reopened);
    reopened->setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_EQ(reopened->statusText(), window->statusText());
    EXPECT_TRUE(reopened->findChild<QPushButton*>(QStringLiteral("Onward"))->isVisible());
}

// Save starts in the classic dialog's folder, gives a bare name the table's
// suffix, and replaces a file there only when the player says yes.
TEST(TableFiles, AFileIsReplacedOnlyWhenThePlayerSaysSo) {
    QTemporaryDir folder;
    const QString kept = folder.filePath(QStringLiteral("kept.table"));
    auto window = quickTable(setupOf(rules::Preset::Block, 2));
    for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old");
        file.close();
        window->action(TableCommand::Save)->trigger();
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        const QString startedIn = dialog->directory().absolutePath();
        dialog->selectFile(folder.filePath(QStringLiteral("kept")));
        static_cast<QDialog*>(dialog)->accept();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        const QString asked = box->text();
        box->button(button)->click();
        EXPECT_EQ(startedIn, QDir(gameFilesFolder()).absolutePath());
        EXPECT_TRUE(asked.contains(QStringLiteral("kept.table already exists")))
            << asked.toStdString();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().startsWith("pipwright-table "), button == QMessageBox::Yes);
    }
}

// A file refused says why, naming the line, and the table stays as it was.
TEST(TableFiles, ARefusedFileLeavesTheTableAsItWas) {
    QTemporaryDir folder;
    auto window = quickTable(setupOf(rules::Preset::Block, 2));
    ASSERT_TRUE(awaitPlayer(*window));
    const rules::Game before = window->session().game();
    const QString path = folder.filePath(QStringLiteral("damaged.table"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("pipwright-table 1\ngame poker seats=2\n");
    file.close();
    EXPECT_EQ(window->openFrom(path), nullptr);
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_TRUE(box);
    const QString shown = box->text();
    box->accept();
    EXPECT_TRUE(shown.contains(QStringLiteral("line 2"))) << shown.toStdString();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->session().game() == before);
    EXPECT_TRUE(window->action(TableCommand::Open)->isEnabled());
}

} // namespace
} // namespace pipwright
