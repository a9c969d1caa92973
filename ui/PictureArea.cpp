#include "ui/PictureArea.h"

#include "ui/DominoFace.h"
#include "ui/Look.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace pipwright {

namespace {

// A half's dark-yellow border, in twips.
constexpr int HalfBorder = 15;

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

} // namespace

PictureArea::PictureArea(const QColor& back, const QColor& fore, QWidget* parent)
    : QFrame(parent), back_(back), fore_(fore) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(DesignFrameWidth);
}

void PictureArea::setScale(double unitsPerPixelX, double unitsPerPixelY) {
    if (unitsX_ == unitsPerPixelX && unitsY_ == unitsPerPixelY)
        return;
    unitsX_ = unitsPerPixelX;
    unitsY_ = unitsPerPixelY;
    stale_ = true;
    update();
}

void PictureArea::setFrameScale(double factor) {
    setLineWidth(std::max(1, static_cast<int>(std::lround(DesignFrameWidth * factor))));
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
    if (!stale_)
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
    renderIfStale();
    const double ratio = image_.devicePixelRatio();
    const int px = static_cast<int>(std::floor(x / unitsX_ * ratio));
    const int py = static_cast<int>(std::floor(y / unitsY_ * ratio));
    if (!image_.valid(px, py))
        return back_;
    return image_.pixelColor(px, py);
}

void PictureArea::setHighlight(const std::optional<Rect>& box) {
    if (box == highlight_)
        return;
    highlight_ = box;
    update();
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

void PictureArea::draw(const Stroke& stroke) const {
    if (stale_ || image_.isNull())
        return;
    QPainter painter(&image_);
    const QRectF box = pixelBox(stroke.rect);
    if (!stroke.half) {
        painter.fillRect(box, stroke.colour);
        return;
    }
    painter.fillRect(box, colour::DarkYellow);
    const Rect& r = stroke.rect;
    painter.fillRect(pixelBox(Rect{r.left + HalfBorder, r.top + HalfBorder, r.right - HalfBorder,
                                   r.bottom - HalfBorder}),
                     colour::Black);
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

void PictureArea::renderIfStale() const {
    if (stale_ || image_.devicePixelRatio() != devicePixelRatioF())
        render();
}

void PictureArea::render() const {
    const double ratio = devicePixelRatioF();
    const QSize inner = contentsRect().size();
    image_ = QImage(inner * ratio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(back_);
    stale_ = false;
    for (const Stroke& stroke : strokes_)
        draw(stroke);
}

void PictureArea::paintEvent(QPaintEvent* event) {
    renderIfStale();
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
    if (!highlight_)
        return;
    // A blue frame in the gap around the box, as wide as a half's border.
    constexpr int Margin = 2 * HalfBorder;
    const Rect& h = *highlight_;
    const QRectF outer =
        pixelBox(Rect{h.left - Margin, h.top - Margin, h.right + Margin, h.bottom + Margin});
    const QRectF inner = pixelBox(
        Rect{h.left - HalfBorder, h.top - HalfBorder, h.right + HalfBorder, h.bottom + HalfBorder});
    painter.translate(contentsRect().topLeft());
    painter.setClipRegion(QRegion(outer.toAlignedRect()).subtracted(inner.toAlignedRect()));
    painter.fillRect(outer, colour::Blue);
}

void PictureArea::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    stale_ = true;
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
