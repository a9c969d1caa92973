#include "ui/WindowIcon.h"

#include "ui/DominoFace.h"
#include "ui/Look.h"

#include <QPainter>
#include <QPixmap>

namespace pipwright {

QIcon dominoIcon() {
    constexpr int Side = 64;
    QPixmap pixmap(Side, Side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF domino(Side / 4.0, 1, Side / 2.0, Side - 2);
    painter.setPen(QPen(colour::DarkYellow, 2));
    painter.setBrush(colour::Black);
    painter.drawRoundedRect(domino, 3, 3);
    painter.drawLine(QPointF(domino.left(), Side / 2.0), QPointF(domino.right(), Side / 2.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::White);
    const double half = domino.width();
    auto pips = [&](int count, double top) {
        for (const QPointF& f : pipCentres(count, true))
            painter.drawEllipse(QPointF(domino.left() + f.x() * half, top + f.y() * half), 3, 3);
    };
    pips(3, domino.top());
    pips(5, Side / 2.0);
    return QIcon(pixmap);
}

} // namespace pipwright
