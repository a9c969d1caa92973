// pipwright-selfplay: plays whole games between two rule-driven seats and
// checks the game's invariants after every click.
#include "tools/selfplay/SelfPlay.h"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

constexpr const char* Usage =
    "usage: pipwright-selfplay [--games N] [--seed S] [--player novice|expert]\n"
    "                          [--computer novice|expert]\n";

template <typename T> std::optional<T> number(std::string_view text) {
    T value{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<bool> level(std::string_view text) {
    if (text == "expert")
        return true;
    if (text == "novice")
        return false;
    return std::nullopt;
}

std::optional<pipwright::SelfPlayOptions> parse(int argc, char** argv) {
    pipwright::SelfPlayOptions options;
    for (int i = 1; i < argc; ++i) {
        std::string_view name = argv[i];
        if (name == "--help" || name == "-h")
            return std::nullopt;
        if (i + 1 >= argc) {
            std::cerr << "pipwright-selfplay: " << name << " needs a value\n";
            return std::nullopt;
        }
        std::string_view value = argv[++i];
        bool ok = true;
        if (name == "--games") {
            auto n = number<long>(value);
            ok = n && *n >= 1;
            options.games = n.value_or(0);
        } else if (name == "--seed") {
            auto n = number<std::uint64_t>(value);
            ok = n.has_value();
            options.seed = n.value_or(0);
        } else if (name == "--player" || name == "--computer") {
            auto expert = level(value);
            ok = expert.has_value();
            (name == "--player" ? options.playerExpert : options.computerExpert) =
                expert.value_or(false);
        } else {
            std::cerr << "pipwright-selfplay: unknown option " << name << '\n';
            return std::nullopt;
        }
        if (!ok) {
            std::cerr << "pipwright-selfplay: bad value for " << name << ": " << value << '\n';
            return std::nullopt;
        }
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    auto options = parse(argc, argv);
    if (!options) {
        std::cerr << Usage;
        return 2;
    }
    // Processor time, so the rate is that of one core however busy the machine is.
    const std::clock_t start = std::clock();
    pipwright::SelfPlay selfPlay(*options, std::cerr);
    pipwright::SelfPlayResult result = selfPlay.run();
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    const double rate = seconds > 0 ? result.games / seconds : 0;
    std::printf("games=%ld player_wins=%ld computer_wins=%ld hands=%ld invariant_violations=%ld "
                "games_per_second=%.0f\n",
                result.games, result.playerWins, result.computerWins, result.hands,
                result.invariantViolations, rate);
    return result.invariantViolations == 0 ? 0 : 1;
}
