#pragma once

#include "game/GameState.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__) && defined(__x86_64__) && !defined(PIPWRIGHT_PLAIN_CENSUS)
#include <emmintrin.h>
#define PIPWRIGHT_SSE2_CENSUS
#endif

namespace pipwright {

namespace census {

// The bit of the domino lo-hi, lo <= hi <= 6.
constexpr int bitOf(int lo, int hi) {
    return hi * (hi + 1) / 2 + lo;
}

// What a slot holding halves a and b (each 0 to 7) adds: the domino's bit,
// nothing for an empty slot, a bit outside the set for a half-empty one.
constexpr std::uint64_t HalfEmpty = std::uint64_t{1} << 63;
constexpr std::array<std::uint64_t, 64> slotBits() {
    std::array<std::uint64_t, 64> bits{};
    for (int lo = 0; lo <= 6; ++lo)
        for (int hi = lo; hi <= 6; ++hi)
            bits[lo * 8 + hi] = bits[hi * 8 + lo] = std::uint64_t{1} << bitOf(lo, hi);
    for (int a = 0; a <= 6; ++a)
        bits[a * 8 + NoHalf] = bits[NoHalf * 8 + a] = HalfEmpty;
    return bits;
}
inline constexpr std::array<std::uint64_t, 64> SlotBits = slotBits();

} // namespace census

// Which dominoes a state's places hold, one bit per domino of the set, for
// the check that runs after every click. It tells whether every slot is empty
// or holds a domino, whether any domino turned up twice and whether all 28
// did, but not where: the detailed check names the place.
//
// A repeat shows as a sum of the dominoes' bits that differs from their union;
// a half-empty slot adds a bit above the set's. Where the processor has SSE2,
// hand and BoneYard slots are counted four at a time.
class DominoCensus {
public:
    static constexpr std::uint64_t WholeSet = (std::uint64_t{1} << SetSize) - 1;

    // Slots 1 to count (0 to 28) of a hand or of the BoneYard.
    void addSlots(const HandTable& slots, int count);
    // A domino laid in the line; false when a half is not a pip count.
    bool addLaid(int a, int b) {
        if (static_cast<unsigned>(a) > 6u || static_cast<unsigned>(b) > 6u)
            return false;
        add(census::SlotBits[a * 8 + b]);
        return true;
    }

    // No half outside 0 to 7, no half-empty slot, no domino twice.
    bool sound() const { return sound(totals()); }
    bool whole() const {
        const Totals t = totals();
        return sound(t) && t.seen == WholeSet;
    }
    int distinct() const { return std::popcount(totals().seen & WholeSet); }

private:
    struct Totals {
        bool halvesInRange;
        std::uint64_t sum, seen;
    };
    Totals totals() const;
    static bool sound(const Totals& t) {
        return t.halvesInRange && (t.seen & ~WholeSet) == 0 && t.sum == t.seen;
    }

    void add(std::uint64_t bits) {
        sum_ += bits;
        seen_ |= bits;
    }

    std::uint64_t sum_ = 0;
    std::uint64_t seen_ = 0;
#ifdef PIPWRIGHT_SSE2_CENSUS
    // Four 32-bit lanes of sums and unions, eight 16-bit lanes of halves.
    __m128i laneSums_ = _mm_setzero_si128();
    __m128i laneSeen_ = _mm_setzero_si128();
    __m128i laneHalves_ = _mm_setzero_si128();
#else
    int halves_ = 0;
#endif
};

#ifdef PIPWRIGHT_SSE2_CENSUS

inline void DominoCensus::addSlots(const HandTable& slots, int count) {
    count = std::clamp(count, 0, SetSize);
    const __m128i empty = _mm_set1_epi16(NoHalf);
    const __m128i lowHalf = _mm_set1_epi32(0xffff);
    for (int first = 0; first < count; first += 4) {
        // Slots first + 1 to first + 4: a0 b0 a1 b1 a2 b2 a3 b3.
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(
            slots.data() + static_cast<std::ptrdiff_t>(2 * first)));
        if (count - first < 4) {
            // Slots past count read as empty.
            const __m128i used =
                _mm_cmplt_epi32(_mm_add_epi32(_mm_set1_epi32(first), _mm_setr_epi32(0, 1, 2, 3)),
                                _mm_set1_epi32(count));
            v = _mm_or_si128(_mm_and_si128(used, v), _mm_andnot_si128(used, empty));
        }
        laneHalves_ = _mm_or_si128(laneHalves_, v);
        const __m128i swapped = _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0xb1), 0xb1);
        const __m128i lo = _mm_and_si128(_mm_min_epi16(v, swapped), lowHalf);
        const __m128i hi = _mm_and_si128(_mm_max_epi16(v, swapped), lowHalf);
        // bitOf(lo, hi): 0 to 27 for a domino, 28 to 34 for a half-empty slot.
        const __m128i bit = _mm_add_epi32(
            _mm_srli_epi32(_mm_mullo_epi16(hi, _mm_add_epi32(hi, _mm_set1_epi32(1))), 1), lo);
        // 2 to the power bit, made as a float's exponent and converted: exact
        // to 2^30; anything larger converts to 2^31, still outside the set.
        __m128i bits = _mm_cvttps_epi32(
            _mm_castsi128_ps(_mm_slli_epi32(_mm_add_epi32(bit, _mm_set1_epi32(127)), 23)));
        bits = _mm_andnot_si128(_mm_cmpeq_epi32(lo, _mm_set1_epi32(NoHalf)), bits);
        laneSums_ = _mm_add_epi32(laneSums_, bits);
        laneSeen_ = _mm_or_si128(laneSeen_, bits);
    }
}

// The lanes hold at most 17 slots' bits each, so their sums fit 32 bits
// unless a bit is already outside the set.
inline DominoCensus::Totals DominoCensus::totals() const {
    const __m128i outside = _mm_andnot_si128(_mm_set1_epi16(7), laneHalves_);
    const bool inRange = _mm_movemask_epi8(_mm_cmpeq_epi16(outside, _mm_setzero_si128())) == 0xffff;
    // The lanes' sums widened to 64 bits and added; their unions joined.
    const __m128i zero = _mm_setzero_si128();
    const __m128i sums =
        _mm_add_epi64(_mm_unpacklo_epi32(laneSums_, zero), _mm_unpackhi_epi32(laneSums_, zero));
    const __m128i seen = _mm_or_si128(laneSeen_, _mm_srli_si128(laneSeen_, 8));
    const auto low64 = [](__m128i v) { return static_cast<std::uint64_t>(_mm_cvtsi128_si64(v)); };
    const auto low32 = [](__m128i v) { return static_cast<std::uint32_t>(_mm_cvtsi128_si32(v)); };
    return Totals{inRange, sum_ + low64(sums) + low64(_mm_srli_si128(sums, 8)),
                  seen_ | low32(seen) | low32(_mm_srli_si128(seen, 4))};
}

#else

// Without branches: whether a slot is in use is not predictable.
inline void DominoCensus::addSlots(const HandTable& slots, int count) {
    count = std::clamp(count, 0, SetSize);
    for (int i = 1; i <= count; ++i) {
        const int a = slots(i, 1), b = slots(i, 2);
        halves_ |= a | b;
        add(census::SlotBits[(a * 8 + b) & 63]);
    }
}

inline DominoCensus::Totals DominoCensus::totals() const {
    return Totals{static_cast<unsigned>(halves_) <= 7u, sum_, seen_};
}

#endif

} // namespace pipwright
