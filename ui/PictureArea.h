#pragma once

#include "game/WindowPort.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <vector>

namespace pipwright {

// A picture area of the main window: a sunken frame around a drawing kept in
// an image at the screen's pixel ratio. Coordinates are the picture's drawing
// units (twips unless it sets its own scale) from the inner top-left corner.
// Painting goes to the image at once and paintEvent only copies it, so nothing
// is lost when the window is covered.
class PictureArea : public QFrame {
    Q_OBJECT
public:
    PictureArea(const QColor& back, const QColor& fore, QWidget* parent);

    const QColor& backColour() const { return back_; }
    const QColor& foreColour() const { return fore_; }

    // Drawing units per pixel of the inner area; 15 (twips) unless set.
    void setScale(double unitsPerPixelX, double unitsPerPixelY);
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

    QRectF pixelBox(const Rect& rect) const;
    void record(const Stroke& stroke);
    void draw(const Stroke& stroke);
    void render();

    QColor back_;
    QColor fore_;
    double unitsX_ = 15;
    double unitsY_ = 15;
    QImage image_;
    std::vector<Stroke> strokes_;
    bool pressedInside_ = false;
};

} // namespace pipwright
