#pragma once

// What both harnesses print their figures with: whole numbers read strictly,
// percentiles of decision times, and shares of games with their intervals.

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

namespace pipwright::harness {

// The whole text as a number of type T, or nothing.
template <typename T> std::optional<T> number(std::string_view text) {
    T value{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The value at the given fraction of sorted values.
inline double percentile(const std::vector<double>& sorted, double fraction) {
    if (sorted.empty())
        return 0;
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1));
    return sorted[at];
}

// A share of games won with its 95% Wilson interval.
struct Share {
    double rate = 0;
    double low = 0;
    double high = 0;
};

// The share that wins out of games, with its interval; all zero without games.
inline Share share(long wins, long games) {
    if (games <= 0)
        return {};
    const double n = static_cast<double>(games);
    const double p = static_cast<double>(wins) / n;
    const double z = 1.959964, centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    return {p, centre - half, centre + half};
}

} // namespace pipwright::harness
