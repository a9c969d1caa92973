#include "ui/dialogs/DominoSketch.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace pipwright {

namespace {

// Pip positions on a 3 x 3 grid, row-major: 0 is top-left, 4 the centre.
constexpr std::array<std::array<bool, 9>, 7> PipGrid{{
    {false, false, false, false, false, false, false, false, false},
    {false, false, false, false, true, false, false, false, false},
    {true, false, false, false, false, false, false, false, true},
    {true, false, false, false, true, false, false, false, true},
    {true, false, true, false, false, false, true, false, true},
    {true, false, true, false, true, false, true, false, true},
    {true, false, true, true, false, true, true, false, true},
}};

} // namespace

void sketchPips(QPainter& painter, const QRectF& cell, int pips, const QColor& colour) {
    if (pips < 0 || pips > 6) {
        return;
    }
    const qreal step = cell.width() / 4.0;
    const qreal radius = cell.width() * 0.095;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (int i = 0; i < 9; ++i) {
        if (PipGrid[static_cast<std::size_t>(pips)][static_cast<std::size_t>(i)]) {
            const int row = i / 3;
            const int column = i % 3;
            const QPointF centre(cell.left() + step * (1 + column), cell.top() + step * (1 + row));
            painter.drawEllipse(centre, radius, radius);
        }
    }
    painter.restore();
}

void sketchDomino(QPainter& painter, const QRectF& rect, int first, int second) {
    const bool standing = rect.height() >= rect.width();
    const qreal side = standing ? rect.width() : rect.height();
    const qreal corner = side * 0.14;

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(rect.translated(side * 0.06, side * 0.07), corner, corner);

    QLinearGradient face(rect.topLeft(), rect.bottomRight());
    face.setColorAt(0, QColor(255, 253, 240));
    face.setColorAt(1, QColor(226, 218, 196));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(90, 80, 60), qMax<qreal>(1.0, side * 0.03)));
    painter.drawRoundedRect(rect, corner, corner);

    const QPointF centre = rect.center();
    const qreal inset = side * 0.18;
    painter.setPen(
        QPen(QColor(90, 80, 60), qMax<qreal>(1.0, side * 0.04), Qt::SolidLine, Qt::RoundCap));
    if (standing) {
        painter.drawLine(QPointF(rect.left() + inset, centre.y()),
                         QPointF(rect.right() - inset, centre.y()));
    } else {
        painter.drawLine(QPointF(centre.x(), rect.top() + inset),
                         QPointF(centre.x(), rect.bottom() - inset));
    }

    const QRectF firstCell = standing ? QRectF(rect.left(), rect.top(), side, rect.height() / 2)
                                      : QRectF(rect.left(), rect.top(), rect.width() / 2, side);
    const QRectF secondCell = standing ? QRectF(rect.left(), centre.y(), side, rect.height() / 2)
                                       : QRectF(centre.x(), rect.top(), rect.width() / 2, side);
    const auto square = [](const QRectF& cell) {
        const qreal s = qMin(cell.width(), cell.height());
        return QRectF(cell.center().x() - s / 2, cell.center().y() - s / 2, s, s);
    };
    sketchPips(painter, square(firstCell), first, QColor(25, 25, 30));
    sketchPips(painter, square(secondCell), second, QColor(25, 25, 30));
    painter.restore();
}

} // namespace pipwright
