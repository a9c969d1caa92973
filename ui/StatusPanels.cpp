#include "ui/StatusPanels.h"

#include "ui/Look.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLocale>
#include <QTime>
#include <cmath>

namespace pipwright {

namespace {

// Design widths 3687, 3687, 2699, 2699, 2699: the panels share the width in
// about those proportions. The two score panels keep at least 3528 twips, room
// for "Abcdefgh's Score=195".
constexpr std::array<int, 5> Stretch{4, 4, 3, 3, 3};
constexpr int ScorePanelTwips = 3528;
constexpr int ScorePanels = 2;

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
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        addWidget(panel, Stretch[i]);
        panels_[i] = panel;
    }
    panels_[4]->setAlignment(Qt::AlignCenter);
    keepScorePanelsWhole(1);
    clock_.setSingleShot(true);
    clock_.setTimerType(Qt::PreciseTimer);
    connect(&clock_, &QTimer::timeout, this, &StatusPanels::showTime);
    showTime();
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
