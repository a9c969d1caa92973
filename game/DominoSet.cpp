#include "game/DominoSet.h"

#include <utility>

namespace pipwright {

void BuildTheSet(GameState& s) {
    Integer a = 0;
    Integer b = 0;
    for (int i = 1; i <= SetSize; ++i) {
        s.DominoSetArray(i, 2) = a;
        s.DominoSetArray(i, 3) = b;
        if (++b == 7) {
            ++a;
            b = a;
        }
    }
}

void ShuffleTheSet(GameState& s, RandomSource& random) {
    for (int j = 1; j <= SetSize; ++j)
        s.ShuffleArray(j) = static_cast<Integer>(j);
    for (int j = 1; j <= SetSize; ++j)
        std::swap(s.ShuffleArray(j), s.ShuffleArray(random.draw(SetSize)));
    for (int j = 1; j <= SetSize; ++j)
        s.DominoSetArray(j, 1) = s.ShuffleArray(j);
}

void DealIntoBoneYard(GameState& s) {
    for (int j = 1; j <= SetSize; ++j) {
        int slot = s.DominoSetArray(j, 1);
        s.BoneYardArray(slot, 1) = s.DominoSetArray(j, 2);
        s.BoneYardArray(slot, 2) = s.DominoSetArray(j, 3);
    }
}

} // namespace pipwright
