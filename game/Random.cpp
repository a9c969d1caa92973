#include "game/Random.h"

#include <chrono>
#include <ctime>

namespace pipwright {

double SeededRandom::Rnd() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    // 53 random bits give a fraction strictly below 1.
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

double ScriptedRandom::Rnd() {
    if (script_.empty())
        return fallback_.Rnd();
    double r = script_.front();
    script_.pop_front();
    return r;
}

std::uint64_t timeOfDaySeed() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    auto micros = duration_cast<microseconds>(now.time_since_epoch()).count() % 1000000;
    return static_cast<std::uint64_t>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) *
               1000000 +
           static_cast<std::uint64_t>(micros);
}

} // namespace pipwright
