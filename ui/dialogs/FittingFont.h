#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace pipwright {

// The font shrunk, half a point at a time down to 6 points, until the text
// fits the area with the given alignment and wrapping flags: a long name or a
// long translation shows smaller rather than cut.
QFont fittingFont(const QFont& font, const QRect& area, int flags, const QString& text);

} // namespace pipwright
