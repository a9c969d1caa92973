#pragma once

#include "rules/Game.h"

#include <QRectF>
#include <vector>

namespace pipwright {

// The table is laid out on a canvas of this many logical units, scaled
// uniformly into the widget.
inline constexpr double CanvasWidth = 1600;
inline constexpr double CanvasHeight = 1000;

// One domino of the line as it lies, from the left end to the right: the
// half shown on its left (or top) and the other.
struct LineTile {
    rules::Domino domino;
    int first = 0, second = 0; // halves in the line's left-to-right order
    QRectF rect;               // on the canvas
    bool upright = false;      // doubles lie crosswise
    bool reversed = false;     // on a row that runs right to left
};

// The line of this hand from its record, left end first.
std::vector<LineTile> lineOfHand(const std::vector<rules::PublicEvent>& record);

// Places the line's dominoes in rows that wind back at the area's edge,
// as large as fits the whole line, centred in the area.
void placeLine(std::vector<LineTile>& tiles, const QRectF& area);

// Where everything sits on the canvas.
namespace canvas {
QRectF lineArea();
// The player's hand of this many dominoes: the place of domino i.
QRectF handTile(int index, int count);
// The seat's panel (name, level, count) and its face-down dominoes.
QRectF seatPanel(const rules::RuleSet& rules, int seat);
QRectF seatTile(const rules::RuleSet& rules, int seat, int index, int count, bool faceUp);
QRectF boneYardPanel();
QRectF scorePanel();
QRectF endOfHandPanel();
} // namespace canvas

} // namespace pipwright
