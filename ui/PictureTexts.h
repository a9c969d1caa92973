#pragma once

#include <QString>

namespace pipwright {

struct GameState;

// What a screen reader says of the three pictures the player acts on.
// handSlot marks the highlighted slot of the player's hand, 0 for none.
QString handText(const GameState& s, int highlightedSlot);
QString lineText(const GameState& s);
QString boneYardText(const GameState& s);

} // namespace pipwright
