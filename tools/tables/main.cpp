// pipwright-tables: plays whole games at a table of two to four computer
// seats under any preset, checks every rule after every move and that every
// game's score sheet adds up, and can write every game in the record format.
#include "computer/table/TablePlayer.h"
#include "rules/Presets.h"
#include "tools/HarnessFigures.h"
#include "tools/tables/TablePlay.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace {

using pipwright::harness::number;
using pipwright::harness::percentile;
using pipwright::harness::share;
using pipwright::harness::Share;
using pipwright::table::Level;
namespace rules = pipwright::rules;

constexpr const char* Usage =
    "usage: pipwright-tables --preset partners|block|draw|all-fives|fives-and-threes\n"
    "                        [--seats N] [--partners yes|no] [--levels L1,L2,...]\n"
    "                        [--games N] [--seed S] [--target T] [--exact yes|no]\n"
    "                        [--award all|opponents] [--record FILE] [--reopen yes|no]\n"
    "  a level is novice, expert or master, one per seat in seat order\n";

std::optional<bool> yesNo(std::string_view text) {
    if (text == "yes")
        return true;
    if (text == "no")
        return false;
    return std::nullopt;
}

struct Parsed {
    pipwright::tables::TablePlayOptions options;
    std::string recordFile;
};

std::optional<Parsed> parse(int argc, char** argv) {
    Parsed parsed;
    std::optional<rules::Preset> preset;
    rules::Choices choices;
    std::vector<Level> levels;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--help" || name == "-h")
            return std::nullopt;
        if (i + 1 >= argc) {
            std::cerr << "pipwright-tables: " << name << " needs a value\n";
            return std::nullopt;
        }
        const std::string_view value = argv[++i];
        bool ok = true;
        if (name == "--preset") {
            preset = rules::presetNamed(value);
            ok = preset.has_value();
        } else if (name == "--seats") {
            choices.seats = number<int>(value);
            ok = choices.seats.has_value();
        } else if (name == "--partners") {
            choices.partners = yesNo(value);
            ok = choices.partners.has_value();
        } else if (name == "--target") {
            choices.target = number<int>(value);
            ok = choices.target.has_value();
        } else if (name == "--exact") {
            choices.exactTarget = yesNo(value);
            ok = choices.exactTarget.has_value();
        } else if (name == "--award") {
            ok = value == "all" || value == "opponents";
            choices.opponentsOnly = value == "opponents";
        } else if (name == "--levels") {
            levels.clear();
            for (std::size_t from = 0; ok && from <= value.size();) {
                const std::size_t comma = std::min(value.find(',', from), value.size());
                const auto chosen = pipwright::table::levelNamed(value.substr(from, comma - from));
                ok = chosen.has_value();
                if (ok)
                    levels.push_back(*chosen);
                from = comma + 1;
            }
        } else if (name == "--games") {
            const auto n = number<long>(value);
            ok = n && *n >= 1;
            parsed.options.games = n.value_or(0);
        } else if (name == "--seed") {
            const auto n = number<std::uint64_t>(value);
            ok = n.has_value();
            parsed.options.seed = n.value_or(0);
        } else if (name == "--reopen") {
            const auto reopen = yesNo(value);
            ok = reopen.has_value();
            parsed.options.reopen = reopen.value_or(false);
        } else if (name == "--record") {
            parsed.recordFile = value;
            ok = !value.empty();
        } else {
            std::cerr << "pipwright-tables: unknown option " << name << '\n';
            return std::nullopt;
        }
        if (!ok) {
            std::cerr << "pipwright-tables: bad value for " << name << ": " << value << '\n';
            return std::nullopt;
        }
    }
    if (!preset) {
        std::cerr << "pipwright-tables: --preset is needed\n";
        return std::nullopt;
    }
    const rules::ChosenRules chosen = rules::choose(*preset, choices);
    if (!chosen.rules) {
        std::cerr << "pipwright-tables: " << chosen.refusal << '\n';
        return std::nullopt;
    }
    parsed.options.rules = *chosen.rules;
    const int seats = parsed.options.rules.seats;
    if (levels.empty())
        levels.assign(static_cast<std::size_t>(seats), Level::Novice);
    if (static_cast<int>(levels.size()) != seats) {
        std::cerr << "pipwright-tables: --levels needs one level for each of the " << seats
                  << " seats\n";
        return std::nullopt;
    }
    std::copy(levels.begin(), levels.end(), parsed.options.levels.begin());
    return parsed;
}

// Each side's share of the games, with its 95% Wilson interval. With three
// or four sides, also each pair's games between them: of the games one of the
// two won, the share the first won.
void printSides(const pipwright::tables::TablePlayOptions& options,
                const pipwright::tables::TablePlayResult& result) {
    const rules::RuleSet& r = options.rules;
    const int sides = rules::sideCount(r);
    for (int side = 0; side < sides; ++side) {
        std::string seats, levels;
        for (int seat = 0; seat < r.seats; ++seat)
            if (rules::sideOf(r, seat) == side) {
                seats += (seats.empty() ? "" : "+") + std::to_string(seat + 1);
                levels += (levels.empty() ? "" : "+") +
                          std::string(pipwright::table::levelName(options.levels[seat]));
            }
        const Share won = share(result.sideWins[side], result.games);
        std::printf("side=%d seats=%s levels=%s wins=%ld win_rate=%.4f ci95_low=%.4f "
                    "ci95_high=%.4f fair_share=%.4f\n",
                    side + 1, seats.c_str(), levels.c_str(), result.sideWins[side], won.rate,
                    won.low, won.high, 1.0 / sides);
    }
    if (sides < 3)
        return;
    for (int first = 0; first < sides; ++first)
        for (int second = first + 1; second < sides; ++second) {
            const long between = result.sideWins[first] + result.sideWins[second];
            const Share won = share(result.sideWins[first], between);
            std::printf("pair=%d-%d games_between=%ld first_win_rate=%.4f ci95_low=%.4f "
                        "ci95_high=%.4f\n",
                        first + 1, second + 1, between, won.rate, won.low, won.high);
        }
}

} // namespace

int main(int argc, char** argv) {
    auto parsed = parse(argc, argv);
    if (!parsed) {
        std::cerr << Usage;
        return 2;
    }
    std::ofstream record;
    if (!parsed->recordFile.empty()) {
        record.open(parsed->recordFile);
        if (!record) {
            std::cerr << "pipwright-tables: cannot write " << parsed->recordFile << '\n';
            return 2;
        }
        parsed->options.record = &record;
    }
    // Processor time, so the rate is that of one core however busy the machine is.
    const std::clock_t start = std::clock();
    pipwright::tables::TablePlayResult result =
        pipwright::tables::playTables(parsed->options, std::cerr);
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    printSides(parsed->options, result);
    if (!result.masterMs.empty()) {
        std::sort(result.masterMs.begin(), result.masterMs.end());
        std::printf("master_decisions=%zu decision_ms_p50=%.3f decision_ms_p99=%.3f "
                    "decision_ms_max=%.3f\n",
                    result.masterMs.size(), percentile(result.masterMs, 0.5),
                    percentile(result.masterMs, 0.99), result.masterMs.back());
    }
    if (parsed->options.reopen)
        std::printf("reopens=%ld\n", result.reopens);
    std::printf("games=%ld hands=%ld invariant_violations=%ld sheets_checked=%ld "
                "sheet_violations=%ld games_per_second=%.0f\n",
                result.games, result.hands, result.violations, result.sheetsChecked,
                result.sheetViolations,
                seconds > 0 ? static_cast<double>(result.games) / seconds : 0);
    if (record.is_open()) {
        record.close();
        if (!record) {
            std::cerr << "pipwright-tables: could not finish " << parsed->recordFile << '\n';
            return 1;
        }
    }
    return result.violations == 0 && result.sheetViolations == 0 ? 0 : 1;
}
