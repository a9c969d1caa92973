#include "ui/table/TilePainter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace pipwright {

namespace {

// Pip places on a 3 x 3 grid of a half, as (column, row).
std::vector<QPointF> pipGrid(int pips) {
    switch (pips) {
    case 1:
        return {{1, 1}};
    case 2:
        return {{0, 0}, {2, 2}};
    case 3:
        return {{0, 0}, {1, 1}, {2, 2}};
    case 4:
        return {{0, 0}, {2, 0}, {0, 2}, {2, 2}};
    case 5:
        return {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}};
    case 6:
        return {{0, 0}, {0, 1}, {0, 2}, {2, 0}, {2, 1}, {2, 2}};
    default:
        return {};
    }
}

void paintPips(QPainter& p, const QRectF& half, int pips, bool lying) {
    const double side = std::min(half.width(), half.height());
    const double step = side * 0.28;
    const double radius = side * 0.095;
    QRadialGradient pip(QPointF(0, 0), radius);
    for (QPointF at : pipGrid(pips)) {
        // A lying six shows two rows of three.
        if (lying)
            at = QPointF(at.y(), at.x());
        const QPointF centre = half.center() + QPointF((at.x() - 1) * step, (at.y() - 1) * step);
        QRadialGradient shade(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.2);
        shade.setColorAt(0, QColor(70, 70, 70));
        shade.setColorAt(1, QColor(15, 15, 15));
        p.setBrush(shade);
        p.drawEllipse(centre, radius, radius);
    }
}

} // namespace

void paintTile(QPainter& p, const QRectF& rect, int first, int second, const TileLook& look) {
    const double side = std::min(rect.width(), rect.height());
    const double corner = side * 0.14;
    p.save();
    p.setPen(Qt::NoPen);
    // A soft shadow: a few widening, fading layers below and to the right.
    for (int layer = 3; layer >= 1; --layer) {
        const double grow = side * 0.03 * layer;
        p.setBrush(QColor(0, 0, 0, 28));
        p.drawRoundedRect(
            rect.translated(side * 0.04, side * 0.07).adjusted(-grow, -grow, grow, grow),
            corner + grow, corner + grow);
    }
    QLinearGradient face(rect.topLeft(), rect.bottomRight());
    if (look.faceDown) {
        face.setColorAt(0, QColor(122, 32, 38));
        face.setColorAt(1, QColor(78, 16, 22));
    } else {
        face.setColorAt(0, QColor(255, 252, 240));
        face.setColorAt(1, QColor(226, 218, 196));
    }
    p.setBrush(face);
    p.setPen(QPen(look.faceDown ? QColor(50, 8, 12) : QColor(150, 140, 118), side * 0.03));
    p.drawRoundedRect(rect, corner, corner);
    const bool lying = rect.width() >= rect.height();
    if (look.faceDown) {
        p.setPen(QPen(QColor(200, 150, 90, 140), side * 0.04));
        p.setBrush(Qt::NoBrush);
        const double inset = side * 0.18;
        p.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), corner * 0.6, corner * 0.6);
    } else {
        QRectF firstHalf = rect, secondHalf = rect;
        if (lying) {
            firstHalf.setRight(rect.center().x());
            secondHalf.setLeft(rect.center().x());
        } else {
            firstHalf.setBottom(rect.center().y());
            secondHalf.setTop(rect.center().y());
        }
        // The dividing bar, with a brass pin in its middle.
        p.setPen(QPen(QColor(90, 80, 66), side * 0.045, Qt::SolidLine, Qt::RoundCap));
        const double inset = side * 0.14;
        if (lying)
            p.drawLine(QPointF(rect.center().x(), rect.top() + inset),
                       QPointF(rect.center().x(), rect.bottom() - inset));
        else
            p.drawLine(QPointF(rect.left() + inset, rect.center().y()),
                       QPointF(rect.right() - inset, rect.center().y()));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(184, 150, 80));
        p.drawEllipse(rect.center(), side * 0.05, side * 0.05);
        paintPips(p, firstHalf, first, lying);
        paintPips(p, secondHalf, second, lying);
    }
    if (look.dimmed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 30, 25, 120));
        p.drawRoundedRect(rect, corner, corner);
    }
    if (look.outline.isValid()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(look.outline, look.outlineWidth));
        const double out = look.outlineWidth;
        p.drawRoundedRect(rect.adjusted(-out, -out, out, out), corner + out, corner + out);
    }
    p.restore();
}

} // namespace pipwright
