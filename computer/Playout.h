#pragma once

#include <cstdint>

// The Master's dominoes as bits and its source of chance, for dealing the
// dominoes it has not seen. Its play-outs run on the rules core.
namespace pipwright::master {

// A set of dominoes: bit 7 * low + high for the domino low-high.
using DominoSet = std::uint64_t;

constexpr int dominoIndex(int a, int b) {
    return a <= b ? 7 * a + b : 7 * b + a;
}
constexpr DominoSet dominoBit(int a, int b) {
    return DominoSet{1} << dominoIndex(a, b);
}
inline int lowHalf(int index) {
    return index / 7;
}
inline int highHalf(int index) {
    return index % 7;
}
// Every domino with a half of this value; none for 7, the mark of no end.
DominoSet touching(int value);
// All 28 dominoes of the set.
DominoSet wholeSet();

// Deterministic generator for the search (SplitMix64).
class SearchRandom {
public:
    explicit SearchRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // Uniform in [0, n).
    int below(int n) {
        return static_cast<int>(((next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }

private:
    std::uint64_t state_;
};

} // namespace pipwright::master
