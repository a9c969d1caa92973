#include "game/GameState.h"

#include <algorithm>

namespace pipwright {

int GameState::leftCount() const {
    return std::clamp<int>(Dominoleft.toLong(), 1, SetSize);
}

int GameState::rightCount() const {
    return std::clamp<int>(DominoRight, 1, SetSize);
}

std::string playedText(int a, int b) {
    auto digit = [](int n) { return n >= 0 && n <= 9; };
    if (digit(a) && digit(b))
        return {static_cast<char>('0' + a), '-', static_cast<char>('0' + b)};
    return std::to_string(a) + "-" + std::to_string(b);
}

} // namespace pipwright
