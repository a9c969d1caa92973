#include "ui/PictureArea.h"

#include "ui/DominoFace.h"
#include "ui/Look.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace pipwright {

namespace {

constexpr int FrameWidth = 2;

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

} // namespace

PictureArea::PictureArea(const QColor& back, const QColor& fore, QWidget* parent)
    : QFrame(parent), back_(back), fore_(fore) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(FrameWidth);
}

void PictureArea::setScale(double unitsPerPixelX, double unitsPerPixelY) {
    unitsX_ = unitsPerPixelX;
    unitsY_ = unitsPerPixelY;
    render();
}

int PictureArea::scaleWidth() const {
    return static_cast<int>(std::lround(contentsRect().width() * unitsX_));
}

int PictureArea::scaleHeight() const {
    return static_cast<int>(std::lround(contentsRect().height() * unitsY_));
}

QPoint PictureArea::toWidget(int x, int y) const {
    return contentsRect().topLeft() + QPoint(static_cast<int>(std::floor(x / unitsX_)),
                                             static_cast<int>(std::floor(y / unitsY_)));
}

void PictureArea::clear() {
    strokes_.clear();
    image_.fill(back_);
    update();
}

void PictureArea::fillBox(const Rect& rect, const QColor& colour) {
    record(Stroke{false, rect, colour, 0, false});
}

void PictureArea::paintHalf(int x, int y, int pips, bool standing) {
    record(Stroke{true, Rect{x, y, x + HalfSide, y + HalfSide}, {}, pips, standing});
}

QColor PictureArea::colourAt(int x, int y) const {
    const double ratio = image_.devicePixelRatio();
    const int px = static_cast<int>(std::floor(x / unitsX_ * ratio));
    const int py = static_cast<int>(std::floor(y / unitsY_ * ratio));
    if (!image_.valid(px, py))
        return back_;
    return image_.pixelColor(px, py);
}

void PictureArea::record(const Stroke& stroke) {
    // Boxes and halves are opaque: forget the strokes they cover wholly.
    std::erase_if(strokes_, [&](const Stroke& old) { return inside(old.rect, stroke.rect); });
    strokes_.push_back(stroke);
    draw(stroke);
    update();
}

QRectF PictureArea::pixelBox(const Rect& rect) const {
    // Every pixel that an edge falls in belongs to the box, right and bottom
    // edges included.
    const double left = std::floor(rect.left / unitsX_);
    const double top = std::floor(rect.top / unitsY_);
    return QRectF(left, top, std::floor(rect.right / unitsX_) - left + 1,
                  std::floor(rect.bottom / unitsY_) - top + 1);
}

void PictureArea::draw(const Stroke& stroke) {
    if (image_.isNull())
        return;
    QPainter painter(&image_);
    const QRectF box = pixelBox(stroke.rect);
    if (!stroke.half) {
        painter.fillRect(box, stroke.colour);
        return;
    }
    painter.fillRect(box, colour::DarkYellow);
    painter.fillRect(box.adjusted(1, 1, -1, -1), colour::Black);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::White);
    // Pips are placed on the face inside the border, in drawing units.
    const QPointF face = box.topLeft() + QPointF(0.5, 0.5);
    painter.translate(face);
    painter.scale(1.0 / unitsX_, 1.0 / unitsY_);
    for (const QPointF& f : pipCentres(stroke.pips, stroke.standing))
        painter.drawEllipse(QPointF(f.x() * HalfSide, f.y() * HalfSide), double(PipRadius),
                            double(PipRadius));
}

void PictureArea::render() {
    const double ratio = devicePixelRatioF();
    const QSize inner = contentsRect().size();
    image_ = QImage(inner * ratio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(back_);
    for (const Stroke& stroke : strokes_)
        draw(stroke);
    update();
}

void PictureArea::paintEvent(QPaintEvent* event) {
    if (image_.devicePixelRatio() != devicePixelRatioF())
        render();
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}

void PictureArea::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    render();
}

void PictureArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF local = event->position() - contentsRect().topLeft();
    pressedInside_ = contentsRect().contains(event->position().toPoint());
    if (pressedInside_)
        Q_EMIT pressed(static_cast<int>(std::lround(local.x() * unitsX_)),
                       static_cast<int>(std::lround(local.y() * unitsY_)));
}

void PictureArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = pressedInside_ && rect().contains(event->position().toPoint());
    pressedInside_ = false;
    if (click)
        Q_EMIT clicked();
}

} // namespace pipwright
