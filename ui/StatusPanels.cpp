#include "ui/StatusPanels.h"

#include "ui/Look.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QTime>
#include <algorithm>
#include <cmath>

namespace pipwright {

namespace {

// The five design widths add up to more than the window, so the panels lie in
// two rows: the two scores share the first, the games won and lost and the
// clock the second. Each row is shared evenly, in a grid of six columns. The
// two score panels keep at least 3528 twips, room for "Abcdefgh's Score=195".
struct Cell {
    int row, column, span;
};
constexpr std::array<Cell, 5> Cells{{{0, 0, 3}, {0, 3, 3}, {1, 0, 2}, {1, 2, 2}, {1, 4, 2}}};
constexpr int Columns = 6;
constexpr int ScorePanelTwips = 3528;
// The status bar's height at the designed size: never less than its design.
constexpr int DesignHeightTwips = 360;
constexpr int ScorePanels = 2;
constexpr int RightGap = 2;

QString clockFormat() {
    QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
    // The clock wakes once a minute, so it never shows seconds.
    if (format.contains(QLatin1Char('s')))
        format = QStringLiteral("HH:mm");
    return format;
}

} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    setFont(gameFont(9.75));
    auto* rows = new QWidget(this);
    auto* grid = new QGridLayout(rows);
    // The status bar keeps a gap before the first panel but none after the
    // last: the same gap on the right keeps its border inside the window.
    grid->setContentsMargins(0, 0, RightGap, 0);
    grid->setSpacing(2);
    for (int column = 0; column < Columns; ++column)
        grid->setColumnStretch(column, 1);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel(rows);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        grid->addWidget(panel, Cells[i].row, Cells[i].column, 1, Cells[i].span);
        panels_[i] = panel;
    }
    addWidget(rows, 1);
    panels_[4]->setAlignment(Qt::AlignCenter);
    keepScorePanelsWhole(1);
    clock_.setSingleShot(true);
    clock_.setTimerType(Qt::PreciseTimer);
    connect(&clock_, &QTimer::timeout, this, &StatusPanels::showTime);
    showTime();
}

int StatusPanels::designHeightTwips() const {
    return std::max(DesignHeightTwips, toTwips(sizeHint().height()));
}

void StatusPanels::setPanelText(int panel, const QString& text) {
    if (panel >= 1 && panel <= 4)
        panels_[panel - 1]->setText(text);
}

QString StatusPanels::panelText(int panel) const {
    if (panel < 1 || panel > 5)
        return {};
    return panels_[panel - 1]->text();
}

void StatusPanels::setScale(double factor) {
    QFont font = gameFont(9.75);
    font.setPointSizeF(font.pointSizeF() * factor);
    setFont(font);
    keepScorePanelsWhole(factor);
}

void StatusPanels::keepScorePanelsWhole(double factor) {
    const int pixels = static_cast<int>(std::ceil(ScorePanelTwips * factor / TwipsPerPixel));
    for (int i = 0; i < ScorePanels; ++i)
        panels_[i]->setMinimumWidth(pixels);
}

void StatusPanels::showTime() {
    const QTime now = QTime::currentTime();
    panels_[4]->setText(QLocale::system().toString(now, clockFormat()));
    constexpr int Minute = 60 * 1000;
    clock_.start(Minute - now.msecsSinceStartOfDay() % Minute + 50);
}

} // namespace pipwright
