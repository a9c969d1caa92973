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

// The classic game's sheet, its player named as the game names them.
class EngineSheet : public SheetSource {
public:
    explicit EngineSheet(const Engine& engine) : engine_(engine) {}

    std::pair<const void*, int> edition() const override {
        return {&engine_.scoreSheet(), engine_.scoreSheet().fresh()};
    }
    std::size_t size() const override { return engine_.scoreSheet().entries().size(); }
    std::vector<SheetLine> lines(std::size_t at) const override {
        const SheetEntry& entry = engine_.scoreSheet().entries()[at];
        const std::vector<Text> texts = sheetLines(entry, engine_.state().PlayerName);
        std::vector<SheetLine> lines;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            // A round's award ends with the totals it leaves.
            const bool totals = std::holds_alternative<RoundAward>(entry) && i + 1 == texts.size();
            lines.push_back({translated(texts[i]), isHeading(entry) || totals});
        }
        return lines;
    }

private:
    const Engine& engine_;
};

} // namespace

ScoreSheetWindow::ScoreSheetWindow(Engine& engine, QWidget* mainWindow)
    : QDialog(mainWindow), source_(std::make_unique<EngineSheet>(engine)) {
    build(tr("Every count that scored and every round's award of the present game"));
    engine.scoreSheet().onChange([window = QPointer<ScoreSheetWindow>(this)] {
        if (window)
            window->follow();
    });
    follow();
}

ScoreSheetWindow::ScoreSheetWindow(std::unique_ptr<SheetSource> source, const QString& description,
                                   QWidget* owner)
    : QDialog(owner), source_(std::move(source)) {
    build(description);
    follow();
}

ScoreSheetWindow::~ScoreSheetWindow() = default;

void ScoreSheetWindow::build(const QString& description) {
    setObjectName(QStringLiteral("frmScoreSheet"));
    useDialogFrame(this);
    setWindowTitle(tr("Score Sheet"));
    setModal(false);

    lines_ = new QListWidget(this);
    lines_->setObjectName(QStringLiteral("LstScoreSheet"));
    lines_->setAccessibleName(tr("Score Sheet"));
    lines_->setAccessibleDescription(description);
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
}

void ScoreSheetWindow::follow() {
    if (source_->edition() != edition_ || source_->size() < shown_) {
        lines_->clear();
        shown_ = 0;
        edition_ = source_->edition();
    }
    // Keep to the newest line unless the player has gone back to read.
    QScrollBar* bar = lines_->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    for (; shown_ < source_->size(); ++shown_) {
        for (const SheetLine& line : source_->lines(shown_)) {
            auto* item = new QListWidgetItem(line.text, lines_);
            if (line.bold) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
        }
    }
    if (atEnd)
        lines_->scrollToBottom();
}

ScoreSheetWindow& showScoreSheet(QWidget& owner, const std::function<ScoreSheetWindow*()>& make) {
    auto* window = owner.findChild<ScoreSheetWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = make();
        // Beside the owner where the screen has room, else over its right side.
        const QRect frame = owner.frameGeometry();
        const QScreen* screen = owner.screen() ? owner.screen() : QGuiApplication::primaryScreen();
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

ScoreSheetWindow& showScoreSheet(Engine& engine, QWidget& mainWindow) {
    return showScoreSheet(mainWindow, [&] { return new ScoreSheetWindow(engine, &mainWindow); });
}

} // namespace pipwright
