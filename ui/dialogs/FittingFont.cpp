#include "ui/dialogs/FittingFont.h"

#include <QFontMetrics>

namespace pipwright {

namespace {
constexpr double SmallestPoints = 6;
}

QFont fittingFont(const QFont& font, const QRect& area, int flags, const QString& text) {
    QFont fitted = font;
    for (double points = font.pointSizeF(); points > SmallestPoints; points -= 0.5) {
        fitted.setPointSizeF(points);
        const QRect needed = QFontMetrics(fitted).boundingRect(area, flags, text);
        if (needed.width() <= area.width() && needed.height() <= area.height())
            return fitted;
    }
    fitted.setPointSizeF(SmallestPoints);
    return fitted;
}

} // namespace pipwright
