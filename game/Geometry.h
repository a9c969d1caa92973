#pragma once

#include "game/WindowPort.h"

#include <optional>

namespace pipwright {

inline constexpr int HalfSize = 300;

// BoneYard slot i (1 to 28): a 250 x 250 square in the row at boneYardTop.
Rect boneYardSquare(int slot, int boneYardTop);
// The BoneYard slot whose square spans x, or 0.
int boneYardSlotAt(int x);

// Left edge of the player's hand slot s (1-based), standing dominoes 300 wide.
int handSlotLeft(int slot);
// The first slot from 1 to count whose extent spans x, or 0.
int handSlotAt(int x, int count);

// The computer's face-down square of slot 1 to 18, two rows of nine.
Rect computerSquare(int slot, int computerLabelHeight);

// Where a domino of the line lies and how it is painted.
struct Placement {
    Rect rect;
    bool standing = false;  // 300 x 600 rather than 600 x 300
    bool innerFirst = true; // column 2 painted first (top or left), else column 3
    int anchorX = 0;        // where the next domino of the arm attaches
    int anchorY = 0;
};

// The Set Domino in the middle of the field, and both arms' first anchors.
struct SetPlacement {
    Placement domino;
    int leftAnchorX = 0, leftAnchorY = 0;
    int rightAnchorX = 0, rightAnchorY = 0;
};
SetPlacement setDominoPlacement(bool isDouble);

// Entry n of an arm, placed against the arm's anchor (LX, LY) or (RX, RY).
// D: the new domino is a double; P: entry n - 1 is. No placement past the
// last painted position (24 on the left, 20 on the right).
inline constexpr int LastLeftPosition = 24;
inline constexpr int LastRightPosition = 20;
std::optional<Placement> leftPlacement(int n, bool D, bool P, int LX, int LY);
std::optional<Placement> rightPlacement(int n, bool D, bool P, int RX, int RY);

} // namespace pipwright
