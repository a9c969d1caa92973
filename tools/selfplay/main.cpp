// pipwright-selfplay: plays whole games between two rule-driven seats and
// checks the game's invariants after every click.
#include "tools/HarnessFigures.h"
#include "tools/selfplay/SelfPlay.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using pipwright::harness::number;
using pipwright::harness::percentile;
using pipwright::harness::share;
using pipwright::harness::Share;

constexpr const char* Usage =
    "usage: pipwright-selfplay [--games N] [--seed S | --seeds FIRST-LAST]\n"
    "                          [--player novice|expert|master] [--computer novice|expert|master]\n"
    "                          [--winner-starts yes|no]\n"
    "With --seeds, N games are played from each seed in turn and the figures are their sum.\n";

enum class Level { Novice, Expert, Master };

std::optional<Level> level(std::string_view text) {
    if (text == "novice")
        return Level::Novice;
    if (text == "expert")
        return Level::Expert;
    if (text == "master")
        return Level::Master;
    return std::nullopt;
}

// The seeds to play, each with the options' number of games.
struct Run {
    pipwright::SelfPlayOptions options;
    std::uint64_t lastSeed = 0;
};

// A range "FIRST-LAST" of seeds, FIRST at most LAST.
bool seedRange(std::string_view text, Run& run) {
    const auto dash = text.find('-');
    if (dash == std::string_view::npos)
        return false;
    auto first = number<std::uint64_t>(text.substr(0, dash));
    auto last = number<std::uint64_t>(text.substr(dash + 1));
    if (!first || !last || *first > *last)
        return false;
    run.options.seed = *first;
    run.lastSeed = *last;
    return true;
}

std::optional<Run> parse(int argc, char** argv) {
    Run run;
    pipwright::SelfPlayOptions& options = run.options;
    bool range = false;
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
        } else if (name == "--seeds") {
            ok = range = seedRange(value, run);
        } else if (name == "--player" || name == "--computer") {
            auto chosen = level(value);
            ok = chosen.has_value();
            const bool player = name == "--player";
            (player ? options.playerExpert : options.computerExpert) = chosen == Level::Expert;
            (player ? options.playerMaster : options.computerMaster) = chosen == Level::Master;
        } else if (name == "--winner-starts") {
            ok = value == "yes" || value == "no";
            options.winnerStarts = value == "yes";
        } else {
            std::cerr << "pipwright-selfplay: unknown option " << name << '\n';
            return std::nullopt;
        }
        if (!ok) {
            std::cerr << "pipwright-selfplay: bad value for " << name << ": " << value << '\n';
            return std::nullopt;
        }
    }
    if (!range)
        run.lastSeed = options.seed;
    return run;
}

// Adds one seed's games to the sum of those before.
void addUp(pipwright::SelfPlayResult& sum, pipwright::SelfPlayResult&& one) {
    sum.games += one.games;
    sum.playerWins += one.playerWins;
    sum.computerWins += one.computerWins;
    sum.hands += one.hands;
    sum.invariantViolations += one.invariantViolations;
    sum.sheetsAddedUp += one.sheetsAddedUp;
    sum.decisionMs.insert(sum.decisionMs.end(), one.decisionMs.begin(), one.decisionMs.end());
}

} // namespace

int main(int argc, char** argv) {
    auto run = parse(argc, argv);
    if (!run) {
        std::cerr << Usage;
        return 2;
    }
    // Processor time, so the rate is that of one core however busy the machine is.
    const std::clock_t start = std::clock();
    pipwright::SelfPlayResult result;
    for (std::uint64_t seed = run->options.seed;; ++seed) {
        pipwright::SelfPlayOptions options = run->options;
        options.seed = seed;
        pipwright::SelfPlay selfPlay(options, std::cerr);
        addUp(result, selfPlay.run());
        if (seed == run->lastSeed)
            break;
    }
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    const double rate = seconds > 0 ? result.games / seconds : 0;
    // The computer's share of the games, with its 95% Wilson interval.
    const Share computer = share(result.computerWins, result.games);
    std::printf("computer_win_rate=%.4f ci95_low=%.4f ci95_high=%.4f\n", computer.rate,
                computer.low, computer.high);
    if (!result.decisionMs.empty()) {
        std::sort(result.decisionMs.begin(), result.decisionMs.end());
        std::printf("master_decisions=%zu decision_ms_p50=%.3f decision_ms_p99=%.3f "
                    "decision_ms_max=%.3f\n",
                    result.decisionMs.size(), percentile(result.decisionMs, 0.5),
                    percentile(result.decisionMs, 0.99), result.decisionMs.back());
    }
    std::printf("games=%ld player_wins=%ld computer_wins=%ld hands=%ld sheets_added_up=%ld "
                "invariant_violations=%ld games_per_second=%.0f\n",
                result.games, result.playerWins, result.computerWins, result.hands,
                result.sheetsAddedUp, result.invariantViolations, rate);
    return result.invariantViolations == 0 ? 0 : 1;
}
