#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

namespace pipwright {

// The game's value types.
using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;
using Boolean = std::int16_t; // True is -1, False is 0

inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

// A dynamic value that is Empty until first assigned and remembers the kind of
// what was last stored. Empty acts as 0 in arithmetic and comparisons. The
// saved-game format writes each kind differently, so the kind matters.
class Variant {
public:
    enum class Kind { Empty, Integer, Long, Single, Double, Boolean, String };

    Variant() = default;

    static Variant integer(Integer v) { return Variant(Kind::Integer, v); }
    static Variant longValue(Long v) { return Variant(Kind::Long, v); }
    static Variant single(Single v) { return Variant(Kind::Single, v); }
    static Variant doubleValue(double v) { return Variant(Kind::Double, v); }
    static Variant boolean(bool v) { return Variant(Kind::Boolean, v ? True : False); }
    static Variant string(std::string s);
    // A whole number as Integer when it fits 16 bits, else as Long.
    static Variant whole(long v) {
        const bool fits =
            v >= std::numeric_limits<Integer>::min() && v <= std::numeric_limits<Integer>::max();
        return Variant(fits ? Kind::Integer : Kind::Long, static_cast<double>(v));
    }

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    bool isNumeric() const;

    // Numeric value: Empty is 0, a Boolean is -1 or 0, a string that is not a
    // number of the Long range is 0.
    double number() const { return number_; }
    // Rounded towards zero.
    long toLong() const { return static_cast<long>(number_); }
    bool isTrue() const { return number() != 0; }
    // The text of a String; empty for every other kind.
    const std::string& text() const;

    // Whole-number arithmetic that keeps the result a whole-number kind.
    Variant plus(long v) const { return whole(toLong() + v); }

    friend bool operator==(const Variant& a, const Variant& b);

private:
    Variant(Kind k, double v) : kind_(k), number_(v) {}

    // A string's number is worked out once, when it is made.
    Kind kind_ = Kind::Empty;
    double number_ = 0;
    std::shared_ptr<const std::string> text_; // when kind_ is String, shared by copies
};

// Comparisons with numbers treat Empty as 0, as the game's code does.
inline bool operator==(const Variant& a, long b) {
    return a.number() == static_cast<double>(b);
}
inline bool operator<(const Variant& a, long b) {
    return a.number() < static_cast<double>(b);
}
inline bool operator>(const Variant& a, long b) {
    return a.number() > static_cast<double>(b);
}
inline bool operator<=(const Variant& a, long b) {
    return a.number() <= static_cast<double>(b);
}
inline bool operator>=(const Variant& a, long b) {
    return a.number() >= static_cast<double>(b);
}

} // namespace pipwright
