// Every game the harness records replays move by move on a fresh game built
// from the record's own first line, with every figure the record states.
#include "rules/Game.h"
#include "rules/Presets.h"
#include "tools/tables/TablePlay.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace pipwright::rules {
namespace {

// The fields "name=value" of a record line.
std::map<std::string, std::string> fields(std::istringstream& line) {
    std::map<std::string, std::string> out;
    std::string word;
    while (line >> word)
        if (const auto eq = word.find('='); eq != std::string::npos)
            out[word.substr(0, eq)] = word.substr(eq + 1);
    return out;
}

std::string joined(const std::array<int, MaxSeats>& numbers, int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += (i ? "," : "") + std::to_string(numbers[i]);
    return out;
}

Domino parsed(const std::string& text) {
    return Domino::of(text.at(0) - '0', text.at(2) - '0');
}

// Replays a record; returns the number of games replayed.
int replay(std::istream& in) {
    std::optional<Game> game;
    Outcome last;
    int games = 0, dealtSeat = 0;
    std::string text;
    while (std::getline(in, text)) {
        std::istringstream line(text);
        std::string kind;
        line >> kind;
        SCOPED_TRACE(text);
        if (kind == "game") {
            std::string name;
            line >> name;
            auto f = fields(line);
            Choices choices{std::stoi(f["seats"]), f["partners"] == "yes", std::stoi(f["target"]),
                            f["exact"] == "yes", f["award"] == "opponents"};
            const ChosenRules chosen = choose(*presetNamed(name), choices);
            EXPECT_TRUE(chosen.rules.has_value()) << chosen.refusal;
            if (!chosen.rules)
                return games;
            game.emplace(*chosen.rules, std::stoull(f["seed"]));
            ++games;
        } else if (kind == "hand") {
            int number = 0;
            line >> number;
            if (number > 1) {
                EXPECT_EQ(game->dealNextHand(), Refusal::None);
            }
            EXPECT_EQ(game->handNumber(), number);
            EXPECT_EQ(std::to_string(game->leader() + 1), fields(line)["lead"]);
            dealtSeat = 0;
        } else if (kind == "deal" || kind == "rest") {
            int seat = 0;
            if (kind == "deal")
                line >> seat;
            const int from = kind == "deal" ? (seat - 1) * game->rules().dealEach
                                            : game->rules().seats * game->rules().dealEach;
            EXPECT_EQ(seat, kind == "deal" ? ++dealtSeat : 0);
            std::string domino;
            for (int i = from; line >> domino; ++i)
                EXPECT_EQ(domino, toText(game->dealOrder().at(i)));
        } else if (kind == "lay" || kind == "draw" || kind == "pass") {
            int seat = 0;
            std::string domino, end;
            line >> seat >> domino >> end;
            EXPECT_EQ(seat, game->turn() + 1);
            const End at = end == "left" ? End::Left : end == "right" ? End::Right : End::First;
            const Move move = kind == "lay"    ? Move::lay(parsed(domino), at)
                              : kind == "draw" ? Move::draw()
                                               : Move::pass();
            last = game->apply(move);
            EXPECT_TRUE(last.accepted());
            if (kind == "lay") {
                const auto f = fields(line);
                EXPECT_EQ(f.at("ends"), std::to_string(game->line().left().open) + "," +
                                            std::to_string(game->line().right().open));
                EXPECT_EQ(f.at("score"), std::to_string(std::get<Laid>(last[0]).score));
            } else if (kind == "draw") {
                EXPECT_EQ(parsed(domino), std::get<Drew>(last[0]).domino);
            }
        } else if (kind == "end") {
            const HandEnded& ended = std::get<HandEnded>(last[1]);
            std::string how;
            line >> how;
            const auto f = fields(line);
            EXPECT_EQ(how, ended.how == HandEnd::Out       ? "out"
                           : ended.how == HandEnd::Blocked ? "blocked"
                                                           : "target");
            EXPECT_EQ(f.at("winner"),
                      ended.winner == NoSeat ? "none" : std::to_string(ended.winner + 1));
            EXPECT_EQ(f.at("award"), std::to_string(ended.award));
            EXPECT_EQ(f.at("pips"), joined(ended.pips, game->rules().seats));
        } else if (kind == "total") {
            std::string totals;
            line >> totals;
            EXPECT_EQ(totals, joined(game->scores(), sideCount(game->rules())));
        } else if (kind == "winner") {
            int seat = 0;
            line >> seat;
            EXPECT_EQ(game->phase(), Phase::GameOver);
            EXPECT_GE(game->score(sideOf(game->rules(), seat - 1)), game->rules().target);
        } else {
            ADD_FAILURE() << "unknown record line";
        }
    }
    return games;
}

TEST(Record, EveryGameReplaysFromItsRecord) {
    const std::pair<Preset, Choices> tables[] = {
        {Preset::Partners, {.target = 100, .opponentsOnly = true}},
        {Preset::Block, {.seats = 3}},
        {Preset::Draw, {.seats = 4, .partners = true}},
        {Preset::AllFives, {.seats = 2}},
        {Preset::FivesAndThrees, {.seats = 4, .exactTarget = true}},
    };
    for (const auto& [preset, choices] : tables) {
        std::stringstream record;
        tables::TablePlayOptions options;
        options.rules = *choose(preset, choices).rules;
        options.games = 5;
        options.record = &record;
        std::ostringstream diagnostics;
        const auto result = tables::playTables(options, diagnostics);
        EXPECT_EQ(result.violations, 0) << diagnostics.str();
        EXPECT_EQ(replay(record), 5) << presetInfo(preset).name;
    }
}

} // namespace
} // namespace pipwright::rules
