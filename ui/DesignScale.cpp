#include "ui/DesignScale.h"

#include "ui/Twips.h"

#include <algorithm>
#include <cmath>

namespace pipwright {

DesignScale DesignScale::fit(QSize designed, QSize area) {
    DesignScale scale;
    if (designed.isEmpty() || area.isEmpty())
        return scale;
    scale.factor = std::min(double(area.width()) / designed.width(),
                            double(area.height()) / designed.height());
    scale.offset = QPoint(
        static_cast<int>(std::lround((area.width() - designed.width() * scale.factor) / 2)),
        static_cast<int>(std::lround((area.height() - designed.height() * scale.factor) / 2)));
    return scale;
}

int DesignScale::pixels(int twips) const {
    return static_cast<int>(std::lround(twips * factor / TwipsPerPixel));
}

int DesignScale::scaled(int designPixels) const {
    return static_cast<int>(std::lround(designPixels * factor));
}

QRect DesignScale::place(const QRect& twips) const {
    return {offset + QPoint(pixels(twips.left()), pixels(twips.top())), pixels(twips.size())};
}

QFont DesignScale::font(const QFont& design) const {
    QFont out = design;
    out.setPointSizeF(design.pointSizeF() * factor);
    return out;
}

} // namespace pipwright
