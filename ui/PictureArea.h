#pragma once

#include "game/WindowPort.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <optional>
#include <vector>

namespace pipwright {

struct PixelGrid;

// A picture area of the main window: a sunken frame around a drawing kept in
// an image at the screen's pixel ratio. Coordinates are the picture's drawing
// units (twips unless it sets its own scale) from the inner top-left corner.
// Painting goes to the image at once and paintEvent only copies it, so nothing
// is lost when the window is covered.
class PictureArea : public QFrame {
    Q_OBJECT
public:
    // The sunken frame's width at the designed size, in pixels.
    static constexpr int DesignFrameWidth = 2;

    PictureArea(const QColor& back, const QColor& fore, QWidget* parent);

    const QColor& backColour() const { return back_; }
    const QColor& foreColour() const { return fore_; }

    // Drawing units per pixel of the inner area; 15 (twips) unless set.
    void setScale(double unitsPerPixelX, double unitsPerPixelY);
    // The frame drawn at a scale of the designed size.
    void setFrameScale(double factor);
    // The inner area measured in drawing units.
    int scaleWidth() const;
    int scaleHeight() const;
    // The widget pixel that shows a point given in drawing units.
    QPoint toWidget(int x, int y) const;

    void clear();
    // A solid box; right and bottom edges included.
    void fillBox(const Rect& rect, const QColor& colour);
    // One 300 x 300 half with its pips at (x, y).
    void paintHalf(int x, int y, int pips, bool standing);
    // The colour painted at a point given in drawing units.
    QColor colourAt(int x, int y) const;
    // A frame drawn around a box, over the picture but never part of it: what
    // is painted, and so what the game reads back, stays the same.
    void setHighlight(const std::optional<Rect>& box);
    const std::optional<Rect>& highlight() const { return highlight_; }

Q_SIGNALS:
    // Mouse-down at a point in drawing units, then the click when the button
    // is released over the same picture.
    void pressed(int x, int y);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // What has been painted since the last clear, so the image can be drawn
    // again when the size or the pixel ratio changes.
    struct Stroke {
        bool half = false;
        Rect rect;
        QColor colour;
        int pips = 0;
        bool standing = false;
    };

    // How device pixels stand for drawing units across and down.
    PixelGrid gridX() const;
    PixelGrid gridY() const;
    // The device pixels of the image that a box fills, right and bottom edges
    // included.
    QRect pixelBox(const Rect& rect) const;
    void record(const Stroke& stroke);
    void draw(const Stroke& stroke) const;
    // Draws everything again when the size, scale or pixel ratio has changed.
    void renderIfStale() const;
    void render() const;

    QColor back_;
    QColor fore_;
    double unitsX_ = 15;
    double unitsY_ = 15;
    mutable QImage image_;
    mutable bool stale_ = true;
    std::vector<Stroke> strokes_;
    std::optional<Rect> highlight_;
    bool pressedInside_ = false;
};

} // namespace pipwright
