#include "ui/dialogs/WindowPlacement.h"

#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace pipwright {

namespace {

// The window at top-left corner at, moved as little as needed to lie whole on
// the screen; a window larger than the screen keeps its top-left corner on it.
void moveWhole(QWidget* window, const PlacementFrame& frame, QPoint at) {
    const QRect& screen = frame.screen;
    if (!screen.isEmpty()) {
        at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - window->width())));
        at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - window->height())));
    }
    window->move(at);
}

int scaled(int twips, double scale) {
    return static_cast<int>(std::lround(twips * scale / TwipsPerPixel));
}

} // namespace

PlacementFrame orScreen(const PlacementFrame& frame) {
    if (!frame.inside.isEmpty())
        return frame;
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect area = primary ? primary->availableGeometry() : QRect(0, 0, 1024, 768);
    return PlacementFrame{area, 1, area};
}

void placeCentred(QWidget* window, const PlacementFrame& frame) {
    const PlacementFrame f = orScreen(frame);
    moveWhole(window, f,
              f.inside.topLeft() + QPoint((f.inside.width() - window->width()) / 2,
                                          (f.inside.height() - window->height()) / 2));
}

void placeAtDesignPlace(QWidget* window, const PlacementFrame& frame, QPoint twips) {
    const PlacementFrame f = orScreen(frame);
    moveWhole(window, f,
              f.inside.topLeft() + QPoint(scaled(twips.x(), f.scale), scaled(twips.y(), f.scale)));
}

void placeCentredAcrossHalfDown(QWidget* window, const PlacementFrame& frame) {
    const PlacementFrame f = orScreen(frame);
    moveWhole(window, f,
              f.inside.topLeft() +
                  QPoint((f.inside.width() - window->width()) / 2, f.inside.height() / 2));
}

} // namespace pipwright
