#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace pipwright {

// How one domino is drawn: face up or down, dimmed, with an outline.
struct TileLook {
    bool faceDown = false;
    bool dimmed = false;
    QColor outline; // none when invalid
    double outlineWidth = 3;
};

// Draws a domino in the rectangle: an ivory face with rounded corners, a
// soft shadow, a dividing bar and round pips; first is the left (or top) half.
void paintTile(QPainter& p, const QRectF& rect, int first, int second, const TileLook& look);

} // namespace pipwright
