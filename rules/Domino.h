#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>

namespace pipwright::rules {

// The dominoes of a double-six set.
inline constexpr int DominoCount = 28;
// The value of an end that is not open yet.
inline constexpr int NoEnd = 7;

// A domino as its low and high half; its index runs 0-0, 0-1, ..., 0-6, 1-1, ..., 6-6.
struct Domino {
    std::int8_t low = 0, high = 0;

    // The domino with these halves, in either order.
    static constexpr Domino of(int a, int b) {
        return a <= b ? Domino{static_cast<std::int8_t>(a), static_cast<std::int8_t>(b)}
                      : Domino{static_cast<std::int8_t>(b), static_cast<std::int8_t>(a)};
    }
    // The domino at this index of the set.
    static constexpr Domino at(int index);
    // Its place in the set, 0..27.
    constexpr int index() const { return low * 7 - low * (low - 1) / 2 + (high - low); }
    constexpr int pips() const { return low + high; }
    constexpr bool isDouble() const { return low == high; }
    constexpr bool has(int value) const { return low == value || high == value; }
    // The half left open when the domino is matched on this value.
    constexpr int otherHalf(int value) const { return low == value ? high : low; }
    friend constexpr bool operator==(Domino, Domino) = default;
};

namespace detail {
constexpr std::array<Domino, DominoCount> setInOrder() {
    std::array<Domino, DominoCount> all{};
    int i = 0;
    for (int a = 0; a <= 6; ++a)
        for (int b = a; b <= 6; ++b)
            all[i++] = Domino::of(a, b);
    return all;
}
inline constexpr std::array<Domino, DominoCount> SetInOrder = setInOrder();
} // namespace detail

constexpr Domino Domino::at(int index) {
    return detail::SetInOrder[index];
}

// The domino written low half first, "3-5".
std::string toText(Domino domino);

// A set of dominoes, one bit per index.
class DominoSet {
public:
    constexpr DominoSet() = default;
    // The set of these bits; bits beyond the 28 dominoes are dropped.
    static constexpr DominoSet fromBits(std::uint32_t bits) {
        return DominoSet(bits & ((1u << DominoCount) - 1));
    }
    // All 28 dominoes.
    static constexpr DominoSet whole() { return DominoSet((1u << DominoCount) - 1); }
    // Every domino with a half of this value; none for NoEnd.
    static DominoSet touching(int value);

    constexpr std::uint32_t bits() const { return bits_; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr int size() const { return std::popcount(bits_); }
    constexpr bool contains(Domino d) const { return (bits_ >> d.index()) & 1u; }
    constexpr void insert(Domino d) { bits_ |= 1u << d.index(); }
    constexpr void erase(Domino d) { bits_ &= ~(1u << d.index()); }
    // The pips of every domino in the set.
    int pips() const;

    constexpr DominoSet operator|(DominoSet o) const { return DominoSet(bits_ | o.bits_); }
    constexpr DominoSet operator&(DominoSet o) const { return DominoSet(bits_ & o.bits_); }
    constexpr DominoSet without(DominoSet o) const { return DominoSet(bits_ & ~o.bits_); }
    friend constexpr bool operator==(DominoSet, DominoSet) = default;

    // Walks the set in index order.
    class Iterator {
    public:
        constexpr explicit Iterator(std::uint32_t rest) : rest_(rest) {}
        constexpr Domino operator*() const { return Domino::at(std::countr_zero(rest_)); }
        constexpr Iterator& operator++() {
            rest_ &= rest_ - 1;
            return *this;
        }
        friend constexpr bool operator==(Iterator, Iterator) = default;

    private:
        std::uint32_t rest_;
    };
    constexpr Iterator begin() const { return Iterator(bits_); }
    constexpr Iterator end() const { return Iterator(0); }

private:
    constexpr explicit DominoSet(std::uint32_t bits) : bits_(bits) {}
    std::uint32_t bits_ = 0;
};

} // namespace pipwright::rules
