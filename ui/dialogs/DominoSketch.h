#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace pipwright {

// An ivory domino with rounded corners, a dividing bar and black pips, drawn
// into rect (standing when taller than wide). first is the top or left half.
void sketchDomino(QPainter& painter, const QRectF& rect, int first, int second);

// The pips of one half in a square cell.
void sketchPips(QPainter& painter, const QRectF& cell, int pips, const QColor& colour);

} // namespace pipwright
