#include "ui/dialogs/ResultPictures.h"

#include "ui/dialogs/DominoSketch.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>

namespace pipwright {

namespace {

// Each picture is drawn in its own design space and scaled into the window,
// keeping its proportions, centred.
void fitDesign(QPainter& painter, const QRectF& rect, QSizeF design) {
    const qreal scale = qMin(rect.width() / design.width(), rect.height() / design.height());
    painter.translate(rect.center());
    painter.scale(scale, scale);
    painter.translate(-design.width() / 2, -design.height() / 2);
}

// A small fixed generator, so the confetti lies the same way every time.
class Scatter {
public:
    explicit Scatter(unsigned seed) : state_(seed) {}
    qreal next() {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<qreal>((state_ >> 8) & 0xFFFF) / 65536.0;
    }

private:
    unsigned state_;
};

QPainterPath starPath(QPointF centre, qreal outer, qreal inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

QLinearGradient goldAcross(qreal left, qreal right) {
    QLinearGradient gold(left, 0, right, 0);
    gold.setColorAt(0.0, QColor(176, 122, 18));
    gold.setColorAt(0.35, QColor(255, 224, 102));
    gold.setColorAt(0.55, QColor(255, 246, 190));
    gold.setColorAt(1.0, QColor(184, 128, 20));
    return gold;
}

void tiltedDomino(QPainter& painter, QPointF centre, QSizeF size, qreal degrees, int first,
                  int second) {
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees);
    sketchDomino(painter, QRectF(QPointF(-size.width() / 2, -size.height() / 2), size), first,
                 second);
    painter.restore();
}

void paintTrophy(QPainter& painter) {
    const QPen outline(QColor(120, 80, 10), 2);

    // Handles behind the cup.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(150, 100, 15), 9, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(150, 58, 52, 60), 90 * 16, 180 * 16);
    painter.drawArc(QRectF(244, 58, 52, 60), -90 * 16, 180 * 16);
    painter.setPen(QPen(QColor(255, 220, 100), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(150, 58, 52, 60), 100 * 16, 160 * 16);
    painter.drawArc(QRectF(244, 58, 52, 60), -80 * 16, 160 * 16);

    // The bowl.
    QPainterPath bowl;
    bowl.moveTo(168, 48);
    bowl.lineTo(278, 48);
    bowl.cubicTo(278, 112, 256, 140, 223, 146);
    bowl.cubicTo(190, 140, 168, 112, 168, 48);
    painter.setPen(outline);
    painter.setBrush(goldAcross(168, 278));
    painter.drawPath(bowl);
    painter.setBrush(QColor(140, 92, 12));
    painter.drawEllipse(QRectF(168, 42, 110, 13));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 235, 190), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(184, 40, 30, 160), 150 * 16, 45 * 16);

    // A double six on the bowl.
    tiltedDomino(painter, QPointF(223, 92), QSizeF(48, 24), 0, 6, 6);

    // Stem and foot.
    QPainterPath stem;
    stem.moveTo(214, 144);
    stem.lineTo(232, 144);
    stem.cubicTo(228, 160, 228, 170, 240, 182);
    stem.lineTo(206, 182);
    stem.cubicTo(218, 170, 218, 160, 214, 144);
    painter.setPen(outline);
    painter.setBrush(goldAcross(206, 240));
    painter.drawPath(stem);
    painter.drawRoundedRect(QRectF(188, 180, 70, 12), 4, 4);

    // The plinth with its plate.
    QLinearGradient wood(0, 192, 0, 236);
    wood.setColorAt(0, QColor(112, 62, 30));
    wood.setColorAt(1, QColor(64, 32, 14));
    painter.setPen(QPen(QColor(40, 20, 8), 2));
    painter.setBrush(wood);
    painter.drawRect(QRectF(176, 192, 94, 44));
    painter.setPen(outline);
    painter.setBrush(goldAcross(194, 252));
    painter.drawRoundedRect(QRectF(194, 202, 58, 24), 3, 3);
    painter.setPen(QPen(QColor(120, 80, 10), 1.5));
    painter.drawLine(QPointF(204, 210), QPointF(242, 210));
    painter.drawLine(QPointF(208, 217), QPointF(238, 217));
}

void paintConfetti(QPainter& painter, QSizeF area, unsigned seed, int pieces) {
    static const std::array<QColor, 6> colours{QColor(255, 221, 0), QColor(0, 170, 255),
                                               QColor(60, 200, 90), QColor(255, 255, 255),
                                               QColor(255, 90, 40), QColor(150, 70, 255)};
    Scatter scatter(seed);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < pieces; ++i) {
        const QPointF at(scatter.next() * area.width(), scatter.next() * area.height());
        painter.save();
        painter.translate(at);
        painter.rotate(scatter.next() * 180);
        painter.setBrush(colours[static_cast<std::size_t>(i) % colours.size()]);
        painter.drawRect(QRectF(-3.5, -1.6, 7, 3.2));
        painter.restore();
    }
}

QPainterPath crackedHalf(const QRectF& tile, qreal corner, bool upper) {
    static const std::array<QPointF, 7> crack{QPointF(-60, -2), QPointF(-26, 8), QPointF(-12, -7),
                                              QPointF(2, 9),    QPointF(16, -4), QPointF(30, 7),
                                              QPointF(60, -1)};
    QPainterPath side;
    side.moveTo(crack.front());
    for (const QPointF& point : crack) {
        side.lineTo(point);
    }
    side.lineTo(60, upper ? -200 : 200);
    side.lineTo(-60, upper ? -200 : 200);
    side.closeSubpath();
    QPainterPath whole;
    whole.addRoundedRect(tile, corner, corner);
    return whole.intersected(side);
}

// One half of the cracked domino, with its shadow, at the painter's origin.
void paintCrackedHalf(QPainter& painter, const QRectF& tile, bool upper, const QBrush& face,
                      const QPen& edge) {
    const QPainterPath half = crackedHalf(tile, 12, upper);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawPath(half.translated(6, 6));
    painter.setPen(edge);
    painter.setBrush(face);
    painter.drawPath(half);
}

void paintCrackedDomino(QPainter& painter) {
    const QRectF tile(-46, -92, 92, 184);
    QLinearGradient face(tile.topLeft(), tile.bottomRight());
    face.setColorAt(0, QColor(255, 253, 240));
    face.setColorAt(1, QColor(222, 212, 188));
    const QPen edge(QColor(70, 50, 40), 2.5);
    const QColor pip(25, 25, 30);

    // The upper half: two sad eyes and a tear.
    painter.save();
    painter.translate(218, 118);
    painter.rotate(-9);
    paintCrackedHalf(painter, tile, true, face, edge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pip);
    painter.drawEllipse(QPointF(-19, -50), 9, 9);
    painter.drawEllipse(QPointF(19, -50), 9, 9);
    painter.setPen(QPen(pip, 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-32, -64), QPointF(-12, -73));
    painter.drawLine(QPointF(32, -64), QPointF(12, -73));
    QPainterPath tear;
    tear.moveTo(22, -36);
    tear.cubicTo(30, -24, 30, -18, 22, -16);
    tear.cubicTo(14, -18, 14, -24, 22, -36);
    painter.setPen(QPen(QColor(20, 90, 170), 1));
    painter.setBrush(QColor(110, 190, 255));
    painter.drawPath(tear);
    painter.restore();

    // The lower half has slipped away: its pips make the frown.
    painter.save();
    painter.translate(232, 134);
    painter.rotate(7);
    paintCrackedHalf(painter, tile, false, face, edge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pip);
    for (int degrees = 30; degrees <= 150; degrees += 30) {
        const qreal angle = degrees * std::numbers::pi / 180;
        painter.drawEllipse(QPointF(-30 * std::cos(angle), 72 - 30 * std::sin(angle)), 7, 7);
    }
    painter.restore();

    // Chips that broke off.
    painter.setPen(QPen(QColor(70, 50, 40), 1.5));
    painter.setBrush(QColor(240, 232, 212));
    painter.drawPolygon(QPolygonF({QPointF(286, 200), QPointF(296, 196), QPointF(293, 206)}));
    painter.drawPolygon(
        QPolygonF({QPointF(168, 214), QPointF(177, 210), QPointF(176, 219), QPointF(169, 220)}));
}

void paintRainCloud(QPainter& painter, QPointF at) {
    painter.setPen(QPen(QColor(110, 200, 255, 200), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const qreal x = at.x() - 40 + i * 17;
        const qreal y = at.y() + 26 + (i % 2) * 12;
        painter.drawLine(QPointF(x, y), QPointF(x - 4, y + 11));
    }
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addEllipse(QPointF(at.x() - 28, at.y() + 6), 22, 17);
    cloud.addEllipse(QPointF(at.x(), at.y() - 6), 28, 24);
    cloud.addEllipse(QPointF(at.x() + 30, at.y() + 6), 22, 17);
    cloud.addRoundedRect(QRectF(at.x() - 48, at.y() + 2, 98, 22), 11, 11);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 70, 80));
    painter.drawPath(cloud.simplified());
}

void paintScale(QPainter& painter) {
    const QColor brass(196, 146, 40);
    const QPen dark(QColor(90, 60, 10), 2);

    // Post and foot.
    QLinearGradient post(274, 0, 296, 0);
    post.setColorAt(0, QColor(150, 104, 20));
    post.setColorAt(0.5, QColor(255, 226, 130));
    post.setColorAt(1, QColor(150, 104, 20));
    painter.setPen(dark);
    painter.setBrush(post);
    painter.drawRect(QRectF(276, 132, 18, 182));
    painter.setBrush(goldAcross(215, 355));
    painter.drawRoundedRect(QRectF(215, 312, 140, 18), 6, 6);

    // The beam, level.
    painter.setBrush(goldAcross(120, 450));
    painter.drawRoundedRect(QRectF(120, 124, 330, 12), 6, 6);
    painter.setBrush(brass);
    painter.drawEllipse(QPointF(285, 130), 13, 13);
    painter.setBrush(QColor(255, 240, 170));
    painter.drawEllipse(QPointF(285, 130), 5, 5);

    // Chains and pans, each pan with a domino totalling five.
    for (qreal x : {148.0, 422.0}) {
        painter.setPen(QPen(QColor(110, 80, 20), 1.5));
        painter.drawLine(QPointF(x, 136), QPointF(x - 52, 236));
        painter.drawLine(QPointF(x, 136), QPointF(x + 52, 236));
        painter.setBrush(brass);
        painter.setPen(dark);
        painter.drawEllipse(QPointF(x, 134), 5, 5);
    }
    tiltedDomino(painter, QPointF(148, 218), QSizeF(72, 36), 0, 2, 3);
    tiltedDomino(painter, QPointF(422, 218), QSizeF(72, 36), 0, 1, 4);
    for (qreal x : {148.0, 422.0}) {
        QPainterPath pan;
        pan.moveTo(x - 66, 236);
        pan.lineTo(x + 66, 236);
        pan.cubicTo(x + 56, 262, x - 56, 262, x - 66, 236);
        painter.setPen(dark);
        painter.setBrush(goldAcross(x - 66, x + 66));
        painter.drawPath(pan);
    }

    // An equals sign over the pivot.
    painter.setPen(QPen(QColor(30, 30, 160), 3));
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawEllipse(QPointF(285, 84), 22, 22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 160));
    painter.drawRoundedRect(QRectF(273, 75, 24, 6), 2, 2);
    painter.drawRoundedRect(QRectF(273, 87, 24, 6), 2, 2);
}

} // namespace

void paintWinnerPicture(QPainter& painter, const QRectF& rect) {
    QRadialGradient glow(rect.center() - QPointF(0, rect.height() * 0.12), rect.width() * 0.6);
    glow.setColorAt(0, QColor(255, 236, 255));
    glow.setColorAt(1, QColor(255, 128, 255));
    painter.fillRect(rect, glow);

    painter.save();
    fitDesign(painter, rect, QSizeF(446, 293));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    for (int i = 0; i < 16; i += 2) {
        painter.drawPie(QRectF(-277, -290, 1000, 800), i * 360 * 16 / 16, 360 * 16 / 16);
    }
    paintConfetti(painter, QSizeF(446, 250), 7, 70);
    for (const QPointF& at : {QPointF(62, 40), QPointF(392, 52), QPointF(112, 210),
                              QPointF(340, 204), QPointF(40, 140), QPointF(410, 150)}) {
        painter.setPen(QPen(QColor(170, 110, 0), 1.2));
        painter.setBrush(QColor(255, 214, 40));
        painter.drawPath(starPath(at, 12, 5));
    }
    tiltedDomino(painter, QPointF(104, 130), QSizeF(50, 100), -14, 5, 5);
    tiltedDomino(painter, QPointF(344, 130), QSizeF(50, 100), 14, 6, 6);
    paintTrophy(painter);
    painter.restore();
}

void paintLoserPicture(QPainter& painter, const QRectF& rect) {
    QRadialGradient gloom(rect.center(), rect.width() * 0.7);
    gloom.setColorAt(0, QColor(255, 40, 40));
    gloom.setColorAt(0.6, QColor(220, 0, 0));
    gloom.setColorAt(1, QColor(120, 0, 0));
    painter.fillRect(rect, gloom);

    painter.save();
    fitDesign(painter, rect, QSizeF(446, 276));
    // A row of toppled dominoes on either side.
    for (int i = 0; i < 3; ++i) {
        const qreal lean = 78 - i * 12;
        tiltedDomino(painter, QPointF(34 + i * 24, 220 - i * 5), QSizeF(24, 48), -lean, i, 6 - i);
        tiltedDomino(painter, QPointF(412 - i * 24, 220 - i * 5), QSizeF(24, 48), lean, i + 1, 3);
    }
    paintRainCloud(painter, QPointF(96, 46));
    paintRainCloud(painter, QPointF(352, 40));
    paintCrackedDomino(painter);
    painter.restore();
}

void paintTiesPicture(QPainter& painter, const QRectF& rect) {
    QLinearGradient warm(rect.topLeft(), rect.bottomLeft());
    warm.setColorAt(0, QColor(255, 210, 160));
    warm.setColorAt(1, QColor(255, 184, 112));
    painter.fillRect(rect, warm);

    painter.save();
    fitDesign(painter, rect, QSizeF(569, 387));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawEllipse(QPointF(285, 200), 230, 150);
    paintScale(painter);
    painter.restore();
}

PictureBox::Painter dominoBadge(int first, int second) {
    return [first, second](QPainter& painter, const QRectF& rect) {
        const qreal height = rect.height() * 0.94;
        const QRectF tile(rect.center().x() - height / 4, rect.center().y() - height / 2,
                          height / 2, height);
        sketchDomino(painter, tile.adjusted(0, 0, -1, -1), first, second);
    };
}

void paintMedalBadge(QPainter& painter, const QRectF& rect) {
    const qreal s = qMin(rect.width(), rect.height());
    const QPointF centre(rect.center().x(), rect.top() + s * 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 80, 200));
    painter.drawPolygon(QPolygonF(
        {QPointF(centre.x() - s * 0.3, rect.top()), QPointF(centre.x() - s * 0.08, rect.top()),
         QPointF(centre.x() + s * 0.05, centre.y()), QPointF(centre.x() - s * 0.12, centre.y())}));
    painter.setBrush(QColor(220, 30, 40));
    painter.drawPolygon(QPolygonF(
        {QPointF(centre.x() + s * 0.3, rect.top()), QPointF(centre.x() + s * 0.08, rect.top()),
         QPointF(centre.x() - s * 0.05, centre.y()), QPointF(centre.x() + s * 0.12, centre.y())}));
    const qreal radius = s * 0.3;
    painter.setPen(QPen(QColor(150, 100, 10), 1));
    painter.setBrush(goldAcross(centre.x() - radius, centre.x() + radius));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(255, 250, 220));
    painter.drawPath(starPath(centre, radius * 0.62, radius * 0.26));
}

void paintPadlockBadge(QPainter& painter, const QRectF& rect) {
    const qreal s = qMin(rect.width(), rect.height());
    const QPointF centre = rect.center();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(110, 110, 120), s * 0.1));
    painter.drawArc(QRectF(centre.x() - s * 0.22, centre.y() - s * 0.42, s * 0.44, s * 0.5), 0,
                    180 * 16);
    painter.drawLine(QPointF(centre.x() - s * 0.22, centre.y() - s * 0.17),
                     QPointF(centre.x() - s * 0.22, centre.y() - s * 0.02));
    painter.drawLine(QPointF(centre.x() + s * 0.22, centre.y() - s * 0.17),
                     QPointF(centre.x() + s * 0.22, centre.y() - s * 0.02));
    painter.setPen(QPen(QColor(120, 80, 10), 1));
    painter.setBrush(goldAcross(centre.x() - s * 0.36, centre.x() + s * 0.36));
    painter.drawRoundedRect(QRectF(centre.x() - s * 0.36, centre.y() - s * 0.06, s * 0.72, s * 0.5),
                            3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 40, 10));
    painter.drawEllipse(QPointF(centre.x(), centre.y() + s * 0.14), s * 0.07, s * 0.07);
    painter.drawRect(QRectF(centre.x() - s * 0.025, centre.y() + s * 0.16, s * 0.05, s * 0.16));
}

} // namespace pipwright
