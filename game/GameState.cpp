#include "game/GameState.h"

namespace pipwright {

void GameState::drawIntoHand(HandTable& hand, int handSlot, int boneYardSlot) {
    hand(handSlot, 1) = BoneYardArray(boneYardSlot, 1);
    hand(handSlot, 2) = BoneYardArray(boneYardSlot, 2);
    BoneYardArray(boneYardSlot, 1) = NoHalf;
    BoneYardArray(boneYardSlot, 2) = NoHalf;
}

std::string playedText(int a, int b) {
    auto digit = [](int n) { return n >= 0 && n <= 9; };
    if (digit(a) && digit(b))
        return {static_cast<char>('0' + a), '-', static_cast<char>('0' + b)};
    return std::to_string(a) + "-" + std::to_string(b);
}

} // namespace pipwright
