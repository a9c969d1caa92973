#include "session/TableSheet.h"

#include "rules/Presets.h"
#include "session/TableSession.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace pipwright::session {
namespace {

using Sheet = TableSheet;

// What the listeners are told that a sheet must show.
struct Scored : TableListener {
    int counts = 0, handEnds = 0, winner = -1;
    void tableEvent(const rules::Event& event) override {
        if (const auto* laid = std::get_if<rules::Laid>(&event))
            counts += laid->score > 0;
        handEnds += std::holds_alternative<rules::HandEnded>(event);
        if (const auto* won = std::get_if<rules::GameEnded>(&event))
            winner = won->side;
    }
};

TableSetup setupOf(rules::Preset preset, const rules::Choices& choices, std::uint64_t seed) {
    TableSetup setup;
    const rules::ChosenRules chosen = rules::choose(preset, choices);
    EXPECT_TRUE(chosen.rules) << chosen.refusal;
    setup.rules = chosen.rules.value_or(rules::RuleSet{});
    setup.levels.fill(table::Level::Expert);
    setup.seed = seed;
    return setup;
}

// Plays the game to its end, the player taking its last legal move each time.
void playToTheEnd(TableSession& session) {
    for (int step = 0; step < 20000 && session.game().phase() != rules::Phase::GameOver; ++step) {
        if (session.game().phase() == rules::Phase::HandOver) {
            ASSERT_TRUE(session.nextHand().accepted());
        } else if (session.humanToPlay()) {
            const rules::MoveList moves = session.humanMoves();
            const rules::Move move = moves[moves.size() - 1];
            const Answer answer = move.kind == rules::Move::Kind::Draw ? session.draw()
                                  : move.kind == rules::Move::Kind::Pass
                                      ? session.pass()
                                      : session.lay(move.domino, move.end);
            ASSERT_TRUE(answer.accepted());
        } else {
            ASSERT_TRUE(session.playComputerTurn().accepted());
        }
    }
    ASSERT_EQ(session.game().phase(), rules::Phase::GameOver);
}

template <typename T> int entriesOf(const Sheet& sheet) {
    return int(std::count_if(sheet.entries().begin(), sheet.entries().end(),
                             [](const Sheet::Entry& e) { return std::holds_alternative<T>(e); }));
}

struct Played {
    const char* name = nullptr;
    rules::Preset preset{};
    rules::Choices choices;
};

// A whole game's sheet: a line for every count that scored and every hand,
// adding up to the game's scores, and the winner last with the final totals.
TEST(Sheet, AddsUpToTheGame) {
    const Played cases[] = {
        {"partners", rules::Preset::Partners, {.target = 150, .opponentsOnly = true}},
        {"block", rules::Preset::Block, {.seats = 3}},
        {"draw", rules::Preset::Draw, {.seats = 2}},
        {"allFives", rules::Preset::AllFives, {.seats = 4, .partners = true}},
        {"fivesAndThrees", rules::Preset::FivesAndThrees, {.seats = 3, .exactTarget = true}},
    };
    for (const Played& c : cases)
        for (std::uint64_t seed : {3u, 17u}) {
            SCOPED_TRACE(c.name + std::to_string(seed));
            TableSession session(setupOf(c.preset, c.choices, seed));
            Scored told;
            session.addListener(&told);
            playToTheEnd(session);
            const Sheet& sheet = session.sheet();
            EXPECT_EQ(entriesOf<Sheet::HandBegins>(sheet), session.game().handNumber());
            EXPECT_EQ(entriesOf<Sheet::Count>(sheet), told.counts);
            EXPECT_EQ(entriesOf<Sheet::HandEnd>(sheet), told.handEnds);
            const auto* last = std::get_if<Sheet::Winner>(&sheet.entries().back());
            ASSERT_TRUE(last);
            EXPECT_EQ(last->won.side, told.winner);
            EXPECT_EQ(last->totals, session.game().scores());
            EXPECT_EQ(sheetFault(sheet, session.game().scores(), told.winner), "");

            // The same moves again give the same sheet, line for line.
            TableSession again(setupOf(c.preset, c.choices, seed));
            playToTheEnd(again);
            EXPECT_EQ(again.sheet().entries(), sheet.entries());
            // A new game starts the sheet afresh at its first hand.
            again.newGame(seed + 1);
            EXPECT_EQ(again.sheet().entries(), std::vector<Sheet::Entry>{Sheet::HandBegins{1}});
            EXPECT_NE(again.sheet().fresh(), sheet.fresh());
            session.removeListener(&told);
        }
}

// A sheet that does not agree with its game is caught, with what is wrong:
// an event noted after the game's own, or a winner other than the sheet's.
TEST(Sheet, FaultsAreCaught) {
    TableSession session(setupOf(rules::Preset::AllFives, {}, 9));
    playToTheEnd(session);
    const int winner = std::get<Sheet::Winner>(session.sheet().entries().back()).won.side;
    const std::tuple<rules::Event, int, const char*> cases[] = {
        {rules::Laid{.seat = 1, .score = 5}, winner, "adds up to"},
        {rules::HandEnded{.winner = 0, .award = 5}, winner, "is not the sheet's sum"},
        {rules::GameEnded{.side = 1}, winner, "2 winners"},
        {rules::Passed{}, 1 - winner, "the sheet's winner"},
    };
    for (const auto& [extra, winnerGiven, fault] : cases) {
        Sheet sheet = session.sheet();
        sheet.note(extra);
        const std::string found = sheetFault(sheet, session.game().scores(), winnerGiven);
        EXPECT_NE(found.find(fault), std::string::npos) << fault << ": " << found;
    }
}

} // namespace
} // namespace pipwright::session
