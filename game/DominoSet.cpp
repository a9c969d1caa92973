#include "game/DominoSet.h"

#include <array>
#include <utility>

namespace pipwright {

namespace {

struct Domino {
    Integer a, b;
};

constexpr std::array<Domino, SetSize> setInOrder() {
    std::array<Domino, SetSize> set{};
    int i = 0;
    for (Integer a = 0; a <= 6; ++a)
        for (Integer b = a; b <= 6; ++b)
            set[i++] = Domino{a, b};
    return set;
}

// Built once, at compile time; every round copies it.
constexpr std::array<Domino, SetSize> SetInOrder = setInOrder();

} // namespace

void BuildTheSet(GameState& s) {
    for (int i = 1; i <= SetSize; ++i) {
        s.DominoSetArray(i, 2) = SetInOrder[i - 1].a;
        s.DominoSetArray(i, 3) = SetInOrder[i - 1].b;
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
