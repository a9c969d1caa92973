#include "ui/DominoFace.h"

namespace pipwright {

std::vector<QPointF> pipCentres(int pips, bool standing) {
    const QPointF middle{0.5, 0.5};
    std::vector<QPointF> corners{{0.25, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.75, 0.75}};
    switch (pips) {
    case 1:
        return {middle};
    case 2:
        return {{0.25, 0.25}, {0.75, 0.75}};
    case 3:
        return {{0.25, 0.25}, {0.75, 0.75}, middle};
    case 4:
        return corners;
    case 5: {
        auto five = corners;
        five.push_back(middle);
        return five;
    }
    case 6:
        if (standing)
            return {{0.25, 0.25}, {0.25, 0.5}, {0.25, 0.75},
                    {0.75, 0.25}, {0.75, 0.5}, {0.75, 0.75}};
        return {{0.25, 0.25}, {0.5, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.5, 0.75}, {0.75, 0.75}};
    default:
        return {};
    }
}

} // namespace pipwright
