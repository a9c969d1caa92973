#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace pipwright {

// What the game's own windows are placed against: the main window's inside
// area, where its designed layout is drawn, in global pixels; the scale it is
// drawn at; and the available area of the main window's screen.
struct PlacementFrame {
    QRect inside;
    double scale = 1;
    QRect screen;
};

// A frame with no inside area stands for the whole primary screen, unscaled.
PlacementFrame orScreen(const PlacementFrame& frame);

// Each of these keeps the window whole on the frame's screen.
// Centred over the inside area.
void placeCentred(QWidget* window, const PlacementFrame& frame);
// At a design place: twips from the inside area's top-left corner, scaled
// with it.
void placeAtDesignPlace(QWidget* window, const PlacementFrame& frame, QPoint twips);
// Centred across the inside area, its top edge halfway down.
void placeCentredAcrossHalfDown(QWidget* window, const PlacementFrame& frame);

} // namespace pipwright
