#include "ui/table/TableLayout.h"

#include <algorithm>
#include <deque>

namespace pipwright {

using rules::End;
using rules::PublicEvent;

std::vector<LineTile> lineOfHand(const std::vector<PublicEvent>& record) {
    std::deque<LineTile> line;
    for (const PublicEvent& event : record) {
        if (event.kind != PublicEvent::Kind::Laid)
            continue;
        LineTile tile;
        tile.domino = event.domino;
        tile.upright = event.domino.isDouble();
        if (event.end == End::Left) {
            tile.second = event.left.open;
            tile.first = event.domino.otherHalf(event.left.open);
            line.push_front(tile);
        } else if (event.end == End::Right) {
            tile.first = event.right.open;
            tile.second = event.domino.otherHalf(event.right.open);
            line.push_back(tile);
        } else {
            // Halves are 0 to 6, never negative.
            tile.first = static_cast<unsigned char>(event.domino.low);
            tile.second = static_cast<unsigned char>(event.domino.high);
            line.push_back(tile);
        }
    }
    return {line.begin(), line.end()};
}

namespace {

constexpr double Gap = 0.08;      // between dominoes, in units of a half
constexpr double RowHeight = 2.4; // a row holds a crosswise double
constexpr double LargestUnit = 48;

double lengthOf(const LineTile& tile) {
    return (tile.upright ? 1.0 : 2.0) + Gap;
}

// Splits the line into rows no longer than the limit.
std::vector<int> rowBreaks(const std::vector<LineTile>& tiles, double limit) {
    std::vector<int> starts{0};
    double run = 0;
    for (int i = 0; i < int(tiles.size()); ++i) {
        const double length = lengthOf(tiles[std::size_t(i)]);
        if (run > 0 && run + length > limit) {
            starts.push_back(i);
            run = 0;
        }
        run += length;
    }
    return starts;
}

} // namespace

void placeLine(std::vector<LineTile>& tiles, const QRectF& area) {
    if (tiles.empty())
        return;
    double total = 0;
    for (const LineTile& tile : tiles)
        total += lengthOf(tile);
    // Try one row, two, ...: keep the count that lets the dominoes be largest.
    double bestUnit = 0;
    std::vector<int> best;
    double bestWidth = 0;
    for (int rows = 1; rows <= 12; ++rows) {
        const double limit = std::max(total / rows + 2.0, 2.0 + Gap);
        const std::vector<int> starts = rowBreaks(tiles, limit);
        double widest = 0;
        for (std::size_t r = 0; r < starts.size(); ++r) {
            const int end = r + 1 < starts.size() ? starts[r + 1] : int(tiles.size());
            double width = 0;
            for (int i = starts[r]; i < end; ++i)
                width += lengthOf(tiles[std::size_t(i)]);
            widest = std::max(widest, width);
        }
        const double unit = std::min({LargestUnit, area.width() / widest,
                                      area.height() / (double(starts.size()) * RowHeight)});
        if (unit > bestUnit + 1e-9) {
            bestUnit = unit;
            best = starts;
            bestWidth = widest;
        }
    }
    const double u = bestUnit;
    const double blockHeight = double(best.size()) * RowHeight * u;
    const double left = area.center().x() - bestWidth * u / 2;
    const double top = area.center().y() - blockHeight / 2;
    for (std::size_t r = 0; r < best.size(); ++r) {
        const int end = r + 1 < best.size() ? best[r + 1] : int(tiles.size());
        const bool reversed = r % 2 == 1;
        const double rowMiddle = top + (double(r) + 0.5) * RowHeight * u;
        double x = reversed ? left + bestWidth * u : left;
        for (int i = best[r]; i < end; ++i) {
            LineTile& tile = tiles[std::size_t(i)];
            const double length = (tile.upright ? 1.0 : 2.0) * u;
            const double height = (tile.upright ? 2.0 : 1.0) * u;
            const double step = lengthOf(tile) * u;
            const double tileLeft = reversed ? x - step + Gap * u / 2 : x + Gap * u / 2;
            tile.rect = QRectF(tileLeft, rowMiddle - height / 2, length, height);
            tile.reversed = reversed;
            x += reversed ? -step : step;
        }
    }
}

namespace canvas {

namespace {
// The seat's place around the table: 0 bottom, 1 right, 2 top, 3 left.
int placeOf(const rules::RuleSet& rules, int seat) {
    if (rules.seats == 2)
        return seat == 0 ? 0 : 2;
    if (rules.seats == 3)
        return seat == 0 ? 0 : seat == 1 ? 1 : 3;
    return seat;
}
} // namespace

QRectF lineArea() {
    return {190, 200, 1220, 560};
}

QRectF handTile(int index, int count) {
    const double gap = 14;
    const double width = std::min(72.0, (1150.0 - gap * (count - 1)) / std::max(count, 1));
    const double height = 2 * width;
    const double total = count * width + (count - 1) * gap;
    return {800 - total / 2 + index * (width + gap), 975 - height, width, height};
}

QRectF seatPanel(const rules::RuleSet& rules, int seat) {
    switch (placeOf(rules, seat)) {
    case 0:
        return {20, 880, 190, 90};
    case 1:
        return {1390, 770, 200, 80};
    case 2:
        return {1060, 40, 200, 80};
    default:
        return {10, 770, 200, 80};
    }
}

QRectF seatTile(const rules::RuleSet& rules, int seat, int index, int count, bool faceUp) {
    const int place = placeOf(rules, seat);
    const double width = faceUp ? 30 : 26;
    const double gap = 5;
    const double total = count * width + (count - 1) * gap;
    if (place == 2)
        return {800 - total / 2 + index * (width + gap), 50, width, 2 * width};
    // The side seats' dominoes lie in a column.
    const double x = place == 1 ? 1590 - 2 * width : 10;
    const double limit = 560;
    const double step = std::min(width + gap, limit / std::max(count, 1));
    const double height = std::min(width, step - 2);
    return {x, 200 + (limit - count * step) / 2 + index * step, 2 * width, height};
}

QRectF boneYardPanel() {
    return {1420, 880, 170, 100};
}

QRectF scorePanel() {
    return {20, 20, 330, 150};
}

QRectF endOfHandPanel() {
    return {230, 180, 1140, 600};
}

} // namespace canvas

} // namespace pipwright
