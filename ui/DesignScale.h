#pragma once

#include <QFont>
#include <QRect>

namespace pipwright {

// One scale for the whole designed layout: a larger window draws it larger,
// keeping its proportions, centred. At the designed size it changes nothing,
// and the game itself only ever sees designed twips.
struct DesignScale {
    double factor = 1;
    QPoint offset; // where the designed block's top-left corner lands

    // The largest scale at which a block of the designed size fits the area.
    static DesignScale fit(QSize designed, QSize area);

    // A length in twips, in pixels at this scale.
    int pixels(int twips) const;
    // A length in designed pixels, in pixels at this scale.
    int scaled(int designPixels) const;
    QSize pixels(QSize twips) const { return {pixels(twips.width()), pixels(twips.height())}; }
    // A rectangle of the designed block, in the area's pixels.
    QRect place(const QRect& twips) const;
    // A font of the design at this scale.
    QFont font(const QFont& design) const;
};

} // namespace pipwright
