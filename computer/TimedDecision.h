#pragma once

#include <ctime>
#include <vector>

namespace pipwright {

// Runs a decision; when a list is given, adds the processor time it took, in
// milliseconds.
template <typename Decide> auto timedDecision(std::vector<double>* times, Decide decide) {
    const std::clock_t start = std::clock();
    auto result = decide();
    if (times)
        times->push_back(1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
    return result;
}

} // namespace pipwright
