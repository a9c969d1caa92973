#pragma once

#include "computer/Playout.h"

#include <cstdint>

namespace pipwright {

// The Master's own source of chance, apart from the game's generator. Each of
// its decisions and each hint takes a search seed from here, so that playing
// the Master or asking for a hint leaves a seed's deals and the computer's
// draws as they were.
class MasterSeeds {
public:
    // Seeded once, from the game's seed.
    explicit MasterSeeds(std::uint64_t gameSeed) : random_(gameSeed ^ Salt) {}
    // The seed of the next search.
    std::uint64_t next() { return random_.next() >> 11; }

private:
    // Keeps this stream apart from the game's, which starts from the same seed.
    static constexpr std::uint64_t Salt = 0x6a09e667f3bcc908ULL;
    master::SearchRandom random_;
};

} // namespace pipwright
