#pragma once

#include <cstdint>

namespace pipwright::rules {

// A small generator kept inside a game (SplitMix64), so that a game copies,
// saves and replays as a value.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed = 0) : state_(seed) {}
    std::uint64_t next();
    // Uniform in [0, n) for n >= 1.
    int below(int n);
    std::uint64_t state() const { return state_; }
    friend bool operator==(const SplitMix64&, const SplitMix64&) = default;

private:
    std::uint64_t state_;
};

} // namespace pipwright::rules
