#include "ui/PictureArea.h"

#include "ui/DominoFace.h"
#include "ui/Look.h"
#include "ui/PixelGrid.h"

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

PixelGrid PictureArea::gridX() const {
    return PixelGrid{unitsX_ / devicePixelRatioF()};
}

PixelGrid PictureArea::gridY() const {
    return PixelGrid{unitsY_ / devicePixelRatioF()};
}

QRect PictureArea::pixelBox(const Rect& rect) const {
    const PixelGrid x = gridX(), y = gridY();
    const int left = x.firstPixel(rect.left), top = y.firstPixel(rect.top);
    return QRect(left, top, x.lastPixel(rect.right) - left + 1, y.lastPixel(rect.bottom) - top + 1);
}

void PictureArea::draw(const Stroke& stroke) const {
    if (stale_ || image_.isNull())
        return;
    // Painted in device pixels, so that edges and borders snap to them.
    const double ratio = image_.devicePixelRatio();
    image_.setDevicePixelRatio(1);
    {
        QPainter painter(&image_);
        const QRect box = pixelBox(stroke.rect);
        if (!stroke.half) {
            painter.fillRect(box, stroke.colour);
        } else {
            painter.fillRect(box, colour::DarkYellow);
            const PixelGrid x = gridX(), y = gridY();
            const int bx = x.span(HalfBorder), by = y.span(HalfBorder);
            painter.fillRect(box.adjusted(bx, by, -bx, -by), colour::Black);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour::White);
            // Pips are placed on the face in drawing units.
            painter.translate(QPointF(box.topLeft()) + QPointF(0.5, 0.5));
            painter.scale(1.0 / x.unitsPerPixel, 1.0 / y.unitsPerPixel);
            for (const QPointF& f : pipCentres(stroke.pips, stroke.standing))
                painter.drawEllipse(QPointF(f.x() * HalfSide, f.y() * HalfSide), double(PipRadius),
                                    double(PipRadius));
        }
    }
    image_.setDevicePixelRatio(ratio);
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
    if (!highlight_) {
        painter.drawImage(contentsRect().topLeft(), image_);
        return;
    }
    // A blue frame in the gap around the box, as wide as a half's border and
    // as far from it, in whole device pixels.
    const PixelGrid x = gridX(), y = gridY();
    const int gx = x.span(HalfBorder), gy = y.span(HalfBorder);
    const QRect inner = pixelBox(*highlight_).adjusted(-gx, -gy, gx, gy);
    const QRect outer = inner.adjusted(-gx, -gy, gx, gy);
    QImage shown = image_.copy();
    shown.setDevicePixelRatio(1);
    {
        QPainter frame(&shown);
        for (const QRect& side : {QRect(outer.left(), outer.top(), outer.width(), gy),
                                  QRect(outer.left(), inner.bottom() + 1, outer.width(), gy),
                                  QRect(outer.left(), inner.top(), gx, inner.height()),
                                  QRect(inner.right() + 1, inner.top(), gx, inner.height())})
            frame.fillRect(side, colour::Blue);
    }
    shown.setDevicePixelRatio(image_.devicePixelRatio());
    painter.drawImage(contentsRect().topLeft(), shown);
}

void PictureArea::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    stale_ = true;
}

void PictureArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressedInside_ = contentsRect().contains(event->position().toPoint());
    if (!pressedInside_)
        return;
    // The device pixel under the press, and the unit it stands for.
    const QPointF device = (event->position() - contentsRect().topLeft()) * devicePixelRatioF();
    const auto pixel = [](double at) { return static_cast<int>(std::floor(at + 0.5)); };
    Q_EMIT pressed(gridX().unitAt(pixel(device.x())), gridY().unitAt(pixel(device.y())));
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
