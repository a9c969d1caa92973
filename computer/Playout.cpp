#include "computer/Playout.h"

#include <array>

namespace pipwright::master {

namespace {

struct Touching {
    std::array<DominoSet, 8> byValue{};
    DominoSet all = 0;
    constexpr Touching() {
        for (int a = 0; a <= 6; ++a)
            for (int b = a; b <= 6; ++b) {
                byValue[a] |= dominoBit(a, b);
                byValue[b] |= dominoBit(a, b);
                all |= dominoBit(a, b);
            }
    }
};
constexpr Touching Sets{};

} // namespace

DominoSet touching(int value) {
    return Sets.byValue[static_cast<unsigned>(value) & 7u];
}

DominoSet wholeSet() {
    return Sets.all;
}

std::uint64_t SearchRandom::next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace pipwright::master
