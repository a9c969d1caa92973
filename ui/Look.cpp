#include "ui/Look.h"

#include "ui/Twips.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace pipwright {

QFont gameFont(double points, bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

int textHeightTwips(const QFont& font) {
    return toTwips(QFontMetrics(font).height());
}

int textWidthTwips(const QFont& font, const QString& text) {
    return toTwips(QFontMetrics(font).horizontalAdvance(text));
}

} // namespace pipwright
