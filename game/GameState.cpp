#include "game/GameState.h"

namespace pipwright {

void GameState::drawIntoHand(HandTable& hand, int handSlot, int boneYardSlot) {
    hand(handSlot, 1) = BoneYardArray(boneYardSlot, 1);
    hand(handSlot, 2) = BoneYardArray(boneYardSlot, 2);
    BoneYardArray(boneYardSlot, 1) = NoHalf;
    BoneYardArray(boneYardSlot, 2) = NoHalf;
}

void GameState::setArmCell(End end, int n, int column, int value) {
    if (end == End::Left)
        gameleftarray(n, column) = Variant::whole(value);
    else
        GameRightArray(n, column) = static_cast<Integer>(value);
}

void GameState::setEntryRect(End end, int n, const Rect& rect) {
    setArmCell(end, n, Arm::Left, rect.left);
    setArmCell(end, n, Arm::Top, rect.top);
    setArmCell(end, n, Arm::Right, rect.right);
    setArmCell(end, n, Arm::Bottom, rect.bottom);
}

int GameState::appendToArm(End end, int inner, int outer) {
    int n = 0;
    if (end == End::Left) {
        Dominoleft = Dominoleft.plus(1);
        n = static_cast<int>(Dominoleft.toLong());
    } else {
        n = ++DominoRight;
    }
    setArmCell(end, n, Arm::Index, n);
    setArmCell(end, n, Arm::Inner, inner);
    setArmCell(end, n, Arm::Outer, outer);
    return n;
}

int GameState::faceDownCount() const {
    int count = 0;
    for (int slot = 1; slot <= SetSize; ++slot)
        count += BoneYardArray(slot, 1) != NoHalf ? 1 : 0;
    return count;
}

bool GameState::holdsSeven(const HandTable& hand, Integer count) const {
    if (count != 7)
        return false;
    for (int i = 1; i <= 7; ++i) {
        const Integer a = hand(i, 1), b = hand(i, 2);
        if (a < 0 || a >= NoHalf || b < 0 || b >= NoHalf)
            return false;
        for (int slot = 1; slot <= SetSize; ++slot) {
            const Integer c = BoneYardArray(slot, 1), d = BoneYardArray(slot, 2);
            if ((c == a && d == b) || (c == b && d == a))
                return false;
        }
    }
    return true;
}

int GameState::firstFaceDownSlot() const {
    for (int slot = 1; slot <= SetSize; ++slot)
        if (BoneYardArray(slot, 1) != NoHalf)
            return slot;
    return 0;
}

void GameState::startLine(int a, int b) {
    Dominoleft = Variant::integer(1);
    DominoRight = 1;
    setArmCell(End::Left, 1, Arm::Index, 1);
    setArmCell(End::Left, 1, Arm::Inner, b);
    setArmCell(End::Left, 1, Arm::Outer, a);
    setArmCell(End::Right, 1, Arm::Index, 1);
    setArmCell(End::Right, 1, Arm::Inner, a);
    setArmCell(End::Right, 1, Arm::Outer, b);
}

std::string playedText(int a, int b) {
    auto digit = [](int n) { return n >= 0 && n <= 9; };
    if (digit(a) && digit(b))
        return {static_cast<char>('0' + a), '-', static_cast<char>('0' + b)};
    return std::to_string(a) + "-" + std::to_string(b);
}

} // namespace pipwright
