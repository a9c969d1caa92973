#pragma once

#include <cstddef>
#include <string_view>

namespace pipwright {

// The names the start-up window makes: 1 to 8 characters typed with the key
// codes 65 to 122 (the letters and [ \ ] ^ _ `), the first letter upper case
// and the others lower case. None of them holds a path separator.
inline constexpr std::size_t LongestName = 8;

inline bool isNameKey(int key) {
    return key >= 'A' && key <= 'z';
}

inline bool isPlayerName(std::string_view name) {
    if (name.empty() || name.size() > LongestName)
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (!isNameKey(c) || (i == 0 && c >= 'a' && c <= 'z') || (i > 0 && c >= 'A' && c <= 'Z'))
            return false;
    }
    return true;
}

} // namespace pipwright
