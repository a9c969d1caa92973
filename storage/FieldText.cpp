#include "storage/FieldText.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace pipwright {

std::string wholeText(long long value) {
    return std::to_string(value);
}

namespace {

template <typename Number> std::string fixedText(Number value) {
    // Fixed notation never needs more than a few hundred digits for a double.
    std::array<char, 1200> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed);
    if (ec != std::errc())
        return "0";
    return std::string(buffer.data(), end);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string singleText(Single value) {
    return fixedText(value);
}

std::string doubleText(double value) {
    return fixedText(value);
}

std::string quotedText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    out += text;
    out += '"';
    return out;
}

std::string booleanText(bool value) {
    return value ? "#TRUE#" : "#FALSE#";
}

std::string variantText(const Variant& value) {
    switch (value.kind()) {
    case Variant::Kind::Empty:
        return {};
    case Variant::Kind::Integer:
    case Variant::Kind::Long:
        return wholeText(static_cast<long long>(value.number()));
    case Variant::Kind::Single:
        return singleText(static_cast<Single>(value.number()));
    case Variant::Kind::Double:
        return doubleText(value.number());
    case Variant::Kind::Boolean:
        return booleanText(value.isTrue());
    case Variant::Kind::String:
        return quotedText(value.text());
    }
    return {};
}

bool isNumberText(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    const std::size_t digitsStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i == digitsStart)
        return false;
    if (i == text.size())
        return true;
    if (text[i] != '.')
        return false;
    const std::size_t fractionStart = ++i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i > fractionStart && i == text.size();
}

std::optional<long long> wholeValue(std::string_view text) {
    if (!isNumberText(text))
        return std::nullopt;
    const std::size_t point = text.find('.');
    if (point != std::string_view::npos) {
        if (text.find_first_not_of('0', point + 1) != std::string_view::npos)
            return std::nullopt;
        text = text.substr(0, point);
    }
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool FieldCursor::atLineEnd() const {
    return pos_ < bytes_.size() && (bytes_[pos_] == '\r' || bytes_[pos_] == '\n');
}

void FieldCursor::skipLineEnd() {
    if (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n')
        ++pos_;
    ++pos_;
    ++line_;
}

std::optional<Field> FieldCursor::next() {
    if (!malformed_.empty())
        return std::nullopt;
    if (!atFieldStart_) {
        while (atLineEnd())
            skipLineEnd();
        if (pos_ >= bytes_.size())
            return std::nullopt;
    }
    Field field;
    field.line = line_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
        const std::size_t start = pos_ + 1;
        const std::size_t close = bytes_.find_first_of("\"\r\n", start);
        if (close == std::string_view::npos || bytes_[close] != '"') {
            malformed_ = Text("SavedGame", "a quoted text is not closed");
            return std::nullopt;
        }
        field.shape = Field::Shape::Quoted;
        field.text = bytes_.substr(start, close - start);
        pos_ = close + 1;
        if (pos_ < bytes_.size() && bytes_[pos_] != ',' && !atLineEnd()) {
            malformed_ = Text("SavedGame", "text follows a closing quote");
            return std::nullopt;
        }
    } else {
        const std::size_t end = std::min(bytes_.find_first_of(",\r\n", pos_), bytes_.size());
        field.text = bytes_.substr(pos_, end - pos_);
        field.shape = field.text.empty() ? Field::Shape::Empty : Field::Shape::Bare;
        pos_ = end;
    }
    atFieldStart_ = pos_ < bytes_.size() && bytes_[pos_] == ',';
    if (atFieldStart_)
        ++pos_;
    else if (atLineEnd())
        skipLineEnd();
    return field;
}

} // namespace pipwright
