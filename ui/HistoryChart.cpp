#include "ui/HistoryChart.h"

#include <QDate>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace pipwright {

namespace {

// As many days as stay readable beside the history's text.
constexpr std::size_t DaysDrawn = 14;

const QColor WonColour(0, 0, 128);
const QColor LostColour(192, 0, 0);

QDate dateOf(const PlayDate& d) {
    return QDate(d.year, d.month, d.day);
}

QString shortDate(const PlayDate& d) {
    return QLocale::system().toString(dateOf(d), QLocale::ShortFormat);
}

// The day and month only, under a bar.
QString dayAndMonth(const PlayDate& d) {
    return QLocale::system().toString(dateOf(d), QStringLiteral("d MMM"));
}

void fillBar(QPainter& p, const QRectF& bar, bool won) {
    const QColor colour = won ? WonColour : LostColour;
    p.setPen(QPen(colour, 1));
    // Lost bars are hatched, so the two tell apart without colour.
    p.fillRect(bar, Qt::white);
    p.setBrush(won ? QBrush(colour) : QBrush(colour, Qt::BDiagPattern));
    p.drawRect(bar);
}

} // namespace

HistoryChart::HistoryChart(const std::vector<HistoryRecord>& records, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("HistoryChart"));
    std::vector<HistoryRecord> days = mergeByDate(records);
    std::sort(days.begin(), days.end(), [](const HistoryRecord& a, const HistoryRecord& b) {
        return std::tie(a.date.year, a.date.month, a.date.day) <
               std::tie(b.date.year, b.date.month, b.date.day);
    });
    daysPlayed_ = static_cast<long>(days.size());
    for (const HistoryRecord& day : days) {
        won_ = std::min(MostGames, won_ + day.won);
        lost_ = std::min(MostGames, lost_ + day.lost);
    }
    if (days.size() > DaysDrawn)
        days.erase(days.begin(), days.end() - DaysDrawn);
    days_ = std::move(days);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(summary());
    setAccessibleDescription(description());
}

QString HistoryChart::summary() const {
    const double games = static_cast<double>(won_) + static_cast<double>(lost_);
    const long share = games > 0 ? std::lround(100.0 * static_cast<double>(won_) / games) : 0;
    // The count chooses the plural form; the figure itself may pass an int.
    const int count = static_cast<int>(std::min(games, 1e9));
    return tr("Won %1 and lost %2 of %3 games: %4% won.", nullptr, count)
        .arg(won_)
        .arg(lost_)
        .arg(QString::number(games, 'f', 0))
        .arg(share);
}

QString HistoryChart::description() const {
    QStringList lines;
    if (static_cast<std::size_t>(daysPlayed_) > days_.size())
        lines << tr("The last %1 of %2 days played:").arg(days_.size()).arg(daysPlayed_);
    for (const HistoryRecord& day : days_)
        lines << tr("%1: %2 won, %3 lost").arg(shortDate(day.date)).arg(day.won).arg(day.lost);
    return lines.join(QLatin1Char('\n'));
}

QSize HistoryChart::sizeHint() const {
    const QFontMetrics m = fontMetrics();
    return {m.averageCharWidth() * 72, m.height() * 12};
}

QSize HistoryChart::minimumSizeHint() const {
    const QFontMetrics m = fontMetrics();
    return {m.averageCharWidth() * 40, m.height() * 9};
}

void HistoryChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QFontMetricsF m(font());
    const double line = m.height();
    p.fillRect(rect(), palette().base());
    p.setPen(palette().text().color());

    // The key along the top.
    const double key = line * 0.8;
    double x = line * 0.5;
    for (bool won : {true, false}) {
        fillBar(p, QRectF(x, line * 0.35, key, key), won);
        p.setPen(palette().text().color());
        const QString text = won ? tr("Won") : tr("Lost");
        p.drawText(QPointF(x + key + line * 0.3, line * 0.35 + m.ascent() * 0.9), text);
        x += key + line * 0.3 + m.horizontalAdvance(text) + line;
    }
    if (static_cast<std::size_t>(daysPlayed_) > days_.size())
        p.drawText(QRectF(x, line * 0.2, width() - x - line * 0.5, line * 1.2),
                   Qt::AlignRight | Qt::AlignVCenter,
                   tr("The last %1 of %2 days").arg(days_.size()).arg(daysPlayed_));

    long most = 1;
    for (const HistoryRecord& day : days_)
        most = std::max({most, day.won, day.lost});
    const QString mostText = QString::number(most);
    const QRectF plot(line * 0.5 + m.horizontalAdvance(mostText) + line * 0.3, line * 2.8, 0, 0);
    const QRectF area(plot.left(), plot.top(), width() - plot.left() - line * 0.5,
                      height() - plot.top() - line * 1.6);
    if (area.width() <= 0 || area.height() <= 0)
        return;

    // The scale: 0, the highest day's count and the middle when it is whole.
    p.setPen(palette().mid().color());
    std::vector<long> ticks{0, most};
    if (most % 2 == 0)
        ticks.push_back(most / 2);
    for (long tick : ticks) {
        const double y = area.bottom() - area.height() * static_cast<double>(tick) / most;
        p.setPen(palette().mid().color());
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(palette().text().color());
        const QString text = QString::number(tick);
        p.drawText(
            QPointF(area.left() - line * 0.3 - m.horizontalAdvance(text), y + m.ascent() / 2 - 1),
            text);
    }
    if (days_.empty())
        return;

    const double slot = area.width() / static_cast<double>(days_.size());
    const double bar = std::max(2.0, slot * 0.3);
    const double gap = slot * 0.08; // between a day's two bars
    // Every date whose label has room, from the newest day back.
    double labelWidth = 0;
    for (const HistoryRecord& day : days_)
        labelWidth = std::max(labelWidth, m.horizontalAdvance(dayAndMonth(day.date)));
    const auto step = static_cast<std::size_t>(std::ceil((labelWidth + line * 0.5) / slot));
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const HistoryRecord& day = days_[i];
        const double centre = area.left() + slot * (static_cast<double>(i) + 0.5);
        const long counts[2] = {day.won, day.lost};
        for (int k = 0; k < 2; ++k) {
            const double h = area.height() * static_cast<double>(counts[k]) / most;
            const QRectF r(k == 0 ? centre - gap / 2 - bar : centre + gap / 2, area.bottom() - h,
                           bar, h);
            if (counts[k] > 0)
                fillBar(p, r, k == 0);
            const QString count = QString::number(counts[k]);
            // A count goes over its bar when it fits there.
            if (m.horizontalAdvance(count) <= bar + gap) {
                p.setPen(palette().text().color());
                p.drawText(QRectF(r.left() - gap / 2, r.top() - line, r.width() + gap, line),
                           Qt::AlignHCenter | Qt::AlignBottom, count);
            }
        }
        if ((days_.size() - 1 - i) % std::max<std::size_t>(1, step) == 0) {
            p.setPen(palette().text().color());
            const double labelSpan = slot * static_cast<double>(step);
            const double labelLeft =
                std::clamp(centre - labelSpan / 2, 0.0, std::max(0.0, width() - labelSpan));
            p.drawText(QRectF(labelLeft, area.bottom() + line * 0.2, labelSpan, line),
                       Qt::AlignHCenter | Qt::AlignTop, dayAndMonth(day.date));
        }
    }
}

} // namespace pipwright
