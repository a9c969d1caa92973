#pragma once

#include <cmath>

namespace pipwright {

// One rule for painting and for presses along one axis of a picture: a device
// pixel stands for the drawing unit at its centre. A box fills the pixels that
// stand for a unit inside it, and a press reports the unit its pixel stands
// for, so a press on any painted pixel lands inside the box.
struct PixelGrid {
    double unitsPerPixel = 15;

    // The unit that device pixel p stands for.
    int unitAt(int p) const { return static_cast<int>(std::floor((p + 0.5) * unitsPerPixel)); }
    // The first pixel that stands for unit u or a later one.
    int firstPixel(int u) const {
        int p = static_cast<int>(std::ceil(u / unitsPerPixel - 0.5));
        while (unitAt(p - 1) >= u)
            --p;
        while (unitAt(p) < u)
            ++p;
        return p;
    }
    // The last pixel that stands for unit u or an earlier one.
    int lastPixel(int u) const { return firstPixel(u + 1) - 1; }
    // A length in units as a whole number of pixels, never less than one.
    int span(int units) const {
        const long p = std::lround(units / unitsPerPixel);
        return p < 1 ? 1 : static_cast<int>(p);
    }
};

} // namespace pipwright
