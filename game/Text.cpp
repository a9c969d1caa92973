#include "game/Text.h"

namespace pipwright {

Text Text::verbatim(std::string text) {
    Text t;
    t.verbatim_ = std::move(text);
    return t;
}

Text& Text::arg(Text text) {
    args_.push_back(std::move(text));
    return *this;
}

std::string Text::english() const {
    if (source_ == nullptr)
        return verbatim_;
    std::vector<std::string> filled;
    filled.reserve(args_.size());
    for (const Text& a : args_)
        filled.push_back(a.english());
    return fillIn(source_, filled);
}

std::string fillIn(std::string_view format, const std::vector<std::string>& filled) {
    std::string out;
    out.reserve(format.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '%' && i + 1 < format.size() && format[i + 1] >= '1' && format[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(format[i + 1] - '1');
            if (n < filled.size()) {
                out += filled[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace pipwright
