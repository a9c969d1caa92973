#pragma once

#include <QPointF>
#include <vector>

namespace pipwright {

inline constexpr int HalfSide = 300;
// Pips are drawn larger than the 13 twips of the game's tables: at 15 twips to
// the pixel that would be a dot under one pixel wide.
inline constexpr int PipRadius = 30;

// Pip centres of a half as fractions of its side: two rows of three for a
// lying six, two columns of three for a standing one.
std::vector<QPointF> pipCentres(int pips, bool standing);

} // namespace pipwright
