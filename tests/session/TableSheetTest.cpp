#include "rules/Presets.h"
#include "session/TableSession.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace pipwright::session {
namespace {

using Sheet = TableSheet;

// What the listeners are told that a sheet must show.
struct Scored : TableListener {
    int counts = 0, handEnds = 0, deals = 0, winner = -1;
    void tableEvent(const rules::Event& event) override {
        if (const auto* laid = std::get_if<rules::Laid>(&event))
            counts += laid->score > 0;
        handEnds += std::holds_alternative<rules::HandEnded>(event);
        if (const auto* won = std::get_if<rules::GameEnded>(&event))
            winner = won->side;
    }
    void handDealt() override { ++deals; }
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
    const char* name;
    rules::Preset preset;
    rules::Choices choices;
};

class PlayedSheet : public testing::TestWithParam<Played> {};

// A whole game's sheet: a line for every count that scored and every hand,
// adding up to the game's scores, and the winner last with the final totals.
TEST_P(PlayedSheet, AddsUpToTheGame) {
    for (std::uint64_t seed : {3u, 17u}) {
        TableSession session(setupOf(GetParam().preset, GetParam().choices, seed));
        Scored told;
        session.addListener(&told);
        playToTheEnd(session);
        const Sheet& sheet = session.sheet();
        EXPECT_EQ(entriesOf<Sheet::HandBegins>(sheet), session.game().handNumber());
        EXPECT_EQ(entriesOf<Sheet::HandBegins>(sheet), told.deals + 1);
        EXPECT_EQ(entriesOf<Sheet::Count>(sheet), told.counts);
        EXPECT_EQ(entriesOf<Sheet::HandEnd>(sheet), told.handEnds);
        const auto* last = std::get_if<Sheet::Winner>(&sheet.entries().back());
        ASSERT_TRUE(last);
        EXPECT_EQ(last->won.side, told.winner);
        EXPECT_EQ(last->totals, session.game().scores());
        EXPECT_EQ(sheetFault(sheet, session.game().scores(), told.winner), "");

        // The same moves again give the same sheet, line for line.
        TableSession again(setupOf(GetParam().preset, GetParam().choices, seed));
        playToTheEnd(again);
        EXPECT_EQ(again.sheet().entries(), sheet.entries());
        session.removeListener(&told);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Presets, PlayedSheet,
    testing::Values(
        Played{"partners", rules::Preset::Partners, {}},
        Played{"partnersOpponentsOnly",
               rules::Preset::Partners,
               {.target = 150, .opponentsOnly = true}},
        Played{"blockThree", rules::Preset::Block, {.seats = 3}},
        Played{"drawTwo", rules::Preset::Draw, {.seats = 2}},
        Played{"allFivesFour", rules::Preset::AllFives, {.seats = 4}},
        Played{"allFivesPartners", rules::Preset::AllFives, {.seats = 4, .partners = true}},
        Played{"fivesAndThreesExact",
               rules::Preset::FivesAndThrees,
               {.seats = 3, .exactTarget = true}}),
    [](const testing::TestParamInfo<Played>& info) { return std::string(info.param.name); });

// A new game starts the sheet afresh at its first hand.
TEST(Sheet, NewGameStartsAfresh) {
    TableSession session(setupOf(rules::Preset::Draw, {}, 5));
    playToTheEnd(session);
    const int fresh = session.sheet().fresh();
    session.newGame(6);
    EXPECT_EQ(session.sheet().fresh(), fresh + 1);
    EXPECT_EQ(session.sheet().entries(), std::vector<Sheet::Entry>{Sheet::HandBegins{1}});
}

struct Tampered {
    const char* name;
    rules::Event extra; // noted after the game's own events
    int winnerGiven;    // -1: the game's own winner
    const char* fault;
};

class WrongSheet : public testing::TestWithParam<Tampered> {};

// A sheet that does not agree with its game is caught, with what is wrong.
TEST_P(WrongSheet, IsCaught) {
    TableSession session(setupOf(rules::Preset::AllFives, {}, 9));
    Scored told;
    session.addListener(&told);
    playToTheEnd(session);
    Sheet sheet = session.sheet();
    sheet.note(GetParam().extra);
    const int winner = GetParam().winnerGiven < 0 ? told.winner : GetParam().winnerGiven;
    EXPECT_NE(sheetFault(sheet, session.game().scores(), winner).find(GetParam().fault),
              std::string::npos)
        << sheetFault(sheet, session.game().scores(), winner);
    session.removeListener(&told);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WrongSheet,
    testing::Values(Tampered{"countNotScored", rules::Laid{.seat = 1, .score = 5}, -1,
                             "adds up to"},
                    Tampered{"handTotalsOff", rules::HandEnded{.winner = 0, .award = 5}, -1,
                             "is not the sheet's sum"},
                    Tampered{"secondWinner", rules::GameEnded{.side = 1}, -1, "2 winners"},
                    Tampered{"wrongWinner", rules::Passed{}, 9, "the sheet's winner"}),
    [](const testing::TestParamInfo<Tampered>& info) { return std::string(info.param.name); });

} // namespace
} // namespace pipwright::session
