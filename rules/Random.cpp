#include "rules/Random.h"

namespace pipwright::rules {

std::uint64_t SplitMix64::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int SplitMix64::below(int n) {
    return static_cast<int>(((next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
}

} // namespace pipwright::rules
