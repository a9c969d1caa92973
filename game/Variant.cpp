#include "game/Variant.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace pipwright {

namespace {

// The number a text stands for, or 0 when it is not one of the Long range.
double textNumber(const std::string& text) {
    double value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    const bool number = ec == std::errc() && ptr == last && std::isfinite(value) &&
                        value >= std::numeric_limits<Long>::min() &&
                        value <= std::numeric_limits<Long>::max();
    return number ? value : 0;
}

} // namespace

Variant Variant::string(std::string s) {
    Variant v(Kind::String, textNumber(s));
    v.text_ = std::make_shared<const std::string>(std::move(s));
    return v;
}

const std::string& Variant::text() const {
    static const std::string none;
    return text_ ? *text_ : none;
}

bool Variant::isNumeric() const {
    return kind_ == Kind::Integer || kind_ == Kind::Long || kind_ == Kind::Single ||
           kind_ == Kind::Double;
}

bool operator==(const Variant& a, const Variant& b) {
    if (a.kind_ != b.kind_)
        return false;
    return a.kind_ == Variant::Kind::String ? a.text() == b.text() : a.number_ == b.number_;
}

} // namespace pipwright
