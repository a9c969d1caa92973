#pragma once

#include <QString>
#include <QStringList>

namespace pipwright {

struct GameState;

// What a screen reader says of the pictures the player acts on.
// A domino by its pips, "6-4".
QString dominoText(int first, int second);
// The line's dominoes from its left end to its right end, each as it lies.
QStringList lineItems(const GameState& s);
// The line's name: its open ends and how many dominoes it holds.
QString lineText(const GameState& s);
QString boneYardText(const GameState& s);

} // namespace pipwright
