#pragma once

#include <QColor>
#include <QFont>

namespace pipwright {

// Colours of the game's windows.
namespace colour {
inline const QColor Black{0, 0, 0};
inline const QColor DarkYellow{128, 128, 0};
inline const QColor Grey{128, 128, 128};
inline const QColor LightGrey{192, 192, 192};
inline const QColor White{255, 255, 255};
inline const QColor Red{255, 0, 0};
inline const QColor Blue{0, 0, 255};
// The back of a face-down domino in the BoneYard and the computer's hand.
inline const QColor FaceDown{0, 0, 128};
} // namespace colour

// The platform's sans-serif at a given point size.
QFont gameFont(double points, bool bold = false);

// Height of a line of text in a font, in twips.
int textHeightTwips(const QFont& font);
// Width of a text in a font, in twips.
int textWidthTwips(const QFont& font, const QString& text);

} // namespace pipwright
