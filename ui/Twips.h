#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace pipwright {

// The game measures in twips: 1440 to the inch, 15 to a device-independent
// pixel whatever the screen's resolution.
inline constexpr int TwipsPerPixel = 15;

constexpr int toPixels(int twips) {
    return (twips + (twips >= 0 ? 7 : -7)) / TwipsPerPixel;
}
constexpr int toTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

inline QSize toPixels(QSize twips) {
    return {toPixels(twips.width()), toPixels(twips.height())};
}
inline QPoint toPixels(QPoint twips) {
    return {toPixels(twips.x()), toPixels(twips.y())};
}
inline QRect toPixels(const QRect& twips) {
    return {toPixels(twips.topLeft()), toPixels(twips.size())};
}

} // namespace pipwright
