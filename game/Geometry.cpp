#include "game/Geometry.h"

#include "game/GameState.h"

namespace pipwright {

namespace {

constexpr int BoneYardLeft = 75;
constexpr int BoneYardPitch = 325;
constexpr int BoneYardSquareSize = 250;
constexpr int HandLeft = 50;
constexpr int HandPitch = 350;
constexpr int ComputerSquareSize = 262;
constexpr int ComputerGap = 50;

Placement make(int x, int y, bool standing, bool innerFirst, int anchorX, int anchorY) {
    int width = standing ? HalfSize : 2 * HalfSize;
    int height = standing ? 2 * HalfSize : HalfSize;
    return Placement{Rect{x, y, x + width, y + height}, standing, innerFirst, anchorX, anchorY};
}

} // namespace

Rect boneYardSquare(int slot, int boneYardTop) {
    int left = BoneYardLeft + (slot - 1) * BoneYardPitch;
    return Rect{left, boneYardTop, left + BoneYardSquareSize, boneYardTop + BoneYardSquareSize};
}

int boneYardSlotAt(int x) {
    if (x < BoneYardLeft)
        return 0;
    const int slot = (x - BoneYardLeft) / BoneYardPitch + 1;
    const bool onSquare = (x - BoneYardLeft) % BoneYardPitch <= BoneYardSquareSize;
    return slot <= SetSize && onSquare ? slot : 0;
}

int handSlotLeft(int slot) {
    return HandLeft + (slot - 1) * HandPitch;
}

int handSlotAt(int x, int count) {
    for (int s = 1; s <= count; ++s) {
        int left = handSlotLeft(s);
        if (x >= left && x <= left + HalfSize)
            return s;
    }
    return 0;
}

Rect computerSquare(int slot, int computerLabelHeight) {
    int row = slot <= 9 ? 1 : 2;
    int column = row == 1 ? slot : slot - 9;
    int top = computerLabelHeight + ComputerGap + (row - 1) * (ComputerSquareSize + ComputerGap);
    int left = ComputerGap + (ComputerSquareSize + ComputerGap) * (column - 1);
    return Rect{left, top, left + ComputerSquareSize, top + ComputerSquareSize};
}

SetPlacement setDominoPlacement(bool isDouble) {
    if (isDouble)
        return SetPlacement{make(4500, 3500, true, true, 4500, 3650), 4500, 3650, 4800, 3650};
    // Lying: the left arm's open half (column 3 of the left entry) is painted first.
    return SetPlacement{make(4500, 3650, false, false, 4500, 3650), 4500, 3650, 5100, 3650};
}

std::optional<Placement> leftPlacement(int n, bool D, bool P, int LX, int LY) {
    if (n >= 2 && n <= 7) {
        if (D)
            return make(LX - 300, LY - 150, true, true, LX - 300, LY);
        return make(LX - 600, LY, false, false, LX - 600, LY);
    }
    if (n == 8) {
        if (D)
            return make(LX - 150, LY - 300, false, true, LX, LY - 300);
        return make(LX - 300, LY - 300, true, false, LX - 300, LY - 300);
    }
    if (n >= 9 && n <= 12) {
        if (D)
            return make(LX - 150, LY - 300, false, true, LX, LY - 300);
        return make(LX, LY - 600, true, false, LX, LY - 600);
    }
    if (n == 13) {
        if (D)
            return make(LX + 300, LY - 150, true, true, LX + 600, LY);
        if (P)
            return make(LX, LY - 300, false, true, LX + 600, LY - 300);
        return make(LX + 300, LY, false, true, LX + 900, LY);
    }
    if (n >= 14 && n <= LastLeftPosition) {
        if (D)
            return make(LX, LY - 150, true, true, LX + 300, LY);
        return make(LX, LY, false, true, LX + 600, LY);
    }
    return std::nullopt;
}

std::optional<Placement> rightPlacement(int n, bool D, bool P, int RX, int RY) {
    if (n >= 2 && n <= 7) {
        if (D)
            return make(RX, RY - 150, true, true, RX + 300, RY);
        return make(RX, RY, false, true, RX + 600, RY);
    }
    if (n == 8) {
        if (D)
            return make(RX - 450, RY - 300, false, true, RX - 300, RY - 300);
        return make(RX, RY - 300, true, false, RX, RY - 300);
    }
    if (n >= 9 && n <= 12) {
        if (D)
            return make(RX - 150, RY - 300, false, true, RX, RY - 300);
        return make(RX, RY - 600, true, false, RX, RY - 600);
    }
    if (n == 13) {
        if (D)
            return make(RX - 300, RY - 150, true, true, RX - 300, RY);
        if (P)
            return make(RX - 300, RY - 300, false, false, RX - 300, RY - 300);
        return make(RX - 600, RY, false, false, RX - 600, RY);
    }
    if (n >= 14 && n <= LastRightPosition) {
        if (D)
            return make(RX - 300, RY - 150, true, true, RX - 300, RY);
        return make(RX - 600, RY, false, false, RX - 600, RY);
    }
    return std::nullopt;
}

} // namespace pipwright
