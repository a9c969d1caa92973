#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pipwright {

// The player's name is at most LongestName characters as a person counts
// them, each a letter with at most MarksPerCharacter marks on it (the
// start-up window decides which letters; see language/TypedName.h).
inline constexpr std::size_t LongestName = 8;
inline constexpr std::size_t MarksPerCharacter = 3;
inline constexpr std::size_t LongestNameBytes = LongestName * (1 + MarksPerCharacter) * 4;

// The key codes 65 to 122: the letters and [ \ ] ^ _ `, the name's only
// characters from plain ASCII.
inline bool isNameKey(char32_t key) {
    return key >= 'A' && key <= 'z';
}

// The code points of well-formed UTF-8 (shortest forms, no surrogates);
// nothing for any other bytes.
inline std::optional<std::u32string> codePoints(std::string_view bytes) {
    std::u32string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 0;
        if (length == 0 || i + length > bytes.size())
            return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        const char32_t shortest = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0;
        if (c < shortest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        out += c;
        i += length;
    }
    return out;
}

// What the game's files need of a name: 1 to LongestNameBytes bytes of
// UTF-8; of plain ASCII only the name keys, the first not a lower-case letter
// and the others not upper case; no control character. Such a name holds no
// path separator, dot, quote, comma or blank, so it names a file in its
// folder and a field of the saved game.
inline bool isPlayerName(std::string_view name) {
    if (name.empty() || name.size() > LongestNameBytes)
        return false;
    const std::optional<std::u32string> text = codePoints(name);
    if (!text)
        return false;
    for (std::size_t i = 0; i < text->size(); ++i) {
        const char32_t c = (*text)[i];
        if (c < 0x80 &&
            (!isNameKey(c) || (i == 0 && c >= 'a' && c <= 'z') || (i > 0 && c >= 'A' && c <= 'Z')))
            return false;
        if (c >= 0x80 && c <= 0x9F)
            return false;
    }
    return true;
}

} // namespace pipwright
