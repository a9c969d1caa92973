#include "ui/ScoreSheetWindow.h"

#include "game/Engine.h"
#include "game/ScoreSheetText.h"
#include "language/Translation.h"
#include "ui/dialogs/DialogLook.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <variant>

namespace pipwright {

namespace {

// Round headings, totals and the winner stand out; the rest is the count.
bool isHeading(const SheetEntry& entry) {
    return std::holds_alternative<RoundBegins>(entry) || std::holds_alternative<GameWon>(entry) ||
           std::holds_alternative<SheetRestart>(entry);
}

// A round's award ends with the totals it leaves.
bool isTotals(const SheetEntry& entry, std::size_t line, std::size_t lines) {
    return std::holds_alternative<RoundAward>(entry) && line + 1 == lines;
}

} // namespace

ScoreSheetWindow::ScoreSheetWindow(Engine& engine, QWidget* mainWindow)
    : QDialog(mainWindow), engine_(engine) {
    setObjectName(QStringLiteral("frmScoreSheet"));
    useDialogFrame(this);
    setWindowTitle(tr("Score Sheet"));
    setModal(false);

    lines_ = new QListWidget(this);
    lines_->setObjectName(QStringLiteral("LstScoreSheet"));
    lines_->setAccessibleName(tr("Score Sheet"));
    lines_->setAccessibleDescription(
        tr("Every count that scored and every round's award of the present game"));
    lines_->setSelectionMode(QAbstractItemView::SingleSelection);
    lines_->setWordWrap(true);
    lines_->setUniformItemSizes(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lines_);
    layout->addWidget(buttons);

    // Room for a round's award with the longest name, and about twenty lines,
    // in the system font.
    const QFontMetrics metrics(lines_->font());
    const QString longest =
        QStringLiteral("Computer reached 200 mid-round (205). Mmmmmmmm holds 40, "
                       "Computer 19: 21, rounds to 20, +20 to Computer");
    resize(metrics.horizontalAdvance(longest) + metrics.lineSpacing() * 3,
           metrics.lineSpacing() * 24);

    engine_.scoreSheet().onChange([window = QPointer<ScoreSheetWindow>(this)] {
        if (window)
            window->follow();
    });
    follow();
}

void ScoreSheetWindow::follow() {
    const ScoreSheet& sheet = engine_.scoreSheet();
    if (sheet.fresh() != fresh_ || sheet.entries().size() < shown_) {
        lines_->clear();
        shown_ = 0;
        fresh_ = sheet.fresh();
    }
    // Keep to the newest line unless the player has gone back to read.
    QScrollBar* bar = lines_->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    const std::string& name = engine_.state().PlayerName;
    for (; shown_ < sheet.entries().size(); ++shown_) {
        const SheetEntry& entry = sheet.entries()[shown_];
        const std::vector<Text> lines = sheetLines(entry, name);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            auto* item = new QListWidgetItem(translated(lines[i]), lines_);
            if (isHeading(entry) || isTotals(entry, i, lines.size())) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
        }
    }
    if (atEnd)
        lines_->scrollToBottom();
}

ScoreSheetWindow& showScoreSheet(Engine& engine, QWidget& mainWindow) {
    auto* window = mainWindow.findChild<ScoreSheetWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new ScoreSheetWindow(engine, &mainWindow);
        // Beside the main window where the screen has room, else over its right side.
        const QRect frame = mainWindow.frameGeometry();
        const QScreen* screen =
            mainWindow.screen() ? mainWindow.screen() : QGuiApplication::primaryScreen();
        const QRect room = screen ? screen->availableGeometry() : frame;
        window->resize(window->size().boundedTo(room.size() * 9 / 10));
        int x = frame.right() + 8;
        if (x + window->width() > room.right())
            x = std::max(room.left(), room.right() - window->width());
        window->move(x, frame.top());
    }
    window->show();
    window->raise();
    window->activateWindow();
    window->lines().setFocus();
    if (window->lines().count() > 0 && !window->lines().currentItem())
        window->lines().setCurrentRow(window->lines().count() - 1);
    return *window;
}

} // namespace pipwright
