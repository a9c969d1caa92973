#pragma once

#include <cstdint>
#include <deque>

namespace pipwright {

// The game's one source of chance: Rnd, a fraction in [0, 1), and draws of
// Int(n x Rnd) + 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double Rnd() = 0;
    int draw(int n) {
        const int k = static_cast<int>(n * Rnd()) + 1;
        return k > n ? n : k;
    }
};

// A seedable uniform generator (SplitMix64); the game seeds it from the time
// of day.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : seed_(seed), state_(seed) {}
    double Rnd() override;
    void seed(std::uint64_t seed) { seed_ = state_ = seed; }
    // The seed it was last given.
    std::uint64_t seedValue() const { return seed_; }

private:
    std::uint64_t seed_;
    std::uint64_t state_;
};

// Hands out the fractions it was given, then falls back to a seeded generator,
// so a test can deal a known hand.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::uint64_t seed = 1) : fallback_(seed) {}
    void push(double fraction) { script_.push_back(fraction); }
    // Queues the fraction that makes draw(n) give k.
    void pushDraw(int k, int n) { push((k - 0.5) / n); }
    std::size_t pending() const { return script_.size(); }
    double Rnd() override;

private:
    std::deque<double> script_;
    SeededRandom fallback_;
};

// Seconds since midnight, as the game seeds its generator.
std::uint64_t timeOfDaySeed();

} // namespace pipwright
