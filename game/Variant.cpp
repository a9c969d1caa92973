#include "game/Variant.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace pipwright {

Variant Variant::string(std::string s) {
    Variant v(Kind::String, 0);
    v.text_ = std::make_shared<const std::string>(std::move(s));
    return v;
}

const std::string& Variant::text() const {
    static const std::string none;
    return text_ ? *text_ : none;
}

Variant Variant::whole(long v) {
    if (v >= std::numeric_limits<Integer>::min() && v <= std::numeric_limits<Integer>::max())
        return integer(static_cast<Integer>(v));
    return Variant(Kind::Long, static_cast<double>(v));
}

bool Variant::isNumeric() const {
    return kind_ == Kind::Integer || kind_ == Kind::Long || kind_ == Kind::Single ||
           kind_ == Kind::Double;
}

double Variant::number() const {
    if (kind_ != Kind::String)
        return number_;
    double value = 0;
    const char* first = text().data();
    const char* last = first + text().size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    return (ec == std::errc() && ptr == last) ? value : 0;
}

long Variant::textToLong() const {
    return static_cast<long>(std::trunc(number()));
}

bool operator==(const Variant& a, const Variant& b) {
    return a.kind_ == b.kind_ && a.number_ == b.number_ && a.text() == b.text();
}

} // namespace pipwright
