#include "session/TableSession.h"

#include "rules/Presets.h"

#include <gtest/gtest.h>

namespace pipwright::session {
namespace {

using rules::Domino;
using rules::End;
using rules::Move;

// Counts what the listeners are told.
struct Tally : TableListener {
    int moves = 0, hands = 0, games = 0, deals = 0;
    void tableEvent(const rules::Event& event) override {
        if (std::holds_alternative<rules::HandEnded>(event))
            ++hands;
        else if (std::holds_alternative<rules::GameEnded>(event))
            ++games;
        else
            ++moves;
    }
    void handDealt() override { ++deals; }
};

TableSetup setupOf(rules::Preset preset, int seats) {
    TableSetup setup;
    rules::Choices choices;
    choices.seats = seats;
    setup.rules = *rules::choose(preset, choices).rules;
    setup.levels.fill(table::Level::Novice);
    setup.seed = 11;
    return setup;
}

// The player's command for a legal move, through the same calls the window makes.
Answer playerMove(TableSession& session, const Move& move) {
    switch (move.kind) {
    case Move::Kind::Draw:
        return session.draw();
    case Move::Kind::Pass:
        return session.pass();
    case Move::Kind::Lay:
        break;
    }
    EXPECT_TRUE(session.select(move.domino).accepted());
    return session.lay(move.end);
}

struct Table {
    rules::Preset preset;
    int seats;
};

void PrintTo(const Table& t, std::ostream* out) {
    *out << rules::presetInfo(t.preset).name << " for " << t.seats;
}

class WholeGame : public testing::TestWithParam<Table> {};

// A whole game by commands: every event told once, every hand dealt told,
// and nothing refused that the rules allow.
TEST_P(WholeGame, PlaysToTheEndByCommands) {
    TableSession session(setupOf(GetParam().preset, GetParam().seats));
    Tally tally;
    session.addListener(&tally);
    int moves = 0;
    for (int step = 0; step < 20000 && session.game().phase() != rules::Phase::GameOver; ++step) {
        if (session.game().phase() == rules::Phase::HandOver) {
            ASSERT_TRUE(session.nextHand().accepted());
            continue;
        }
        if (session.humanToPlay()) {
            ASSERT_FALSE(session.humanMoves().empty());
            ASSERT_TRUE(playerMove(session, session.humanMoves()[0]).accepted());
        } else {
            ASSERT_EQ(session.lay(Domino::of(0, 0), End::Left).refused, Refused::NotYourTurn);
            ASSERT_TRUE(session.playComputerTurn().accepted());
        }
        ++moves;
    }
    ASSERT_EQ(session.game().phase(), rules::Phase::GameOver);
    EXPECT_EQ(tally.moves, moves);
    EXPECT_EQ(tally.games, 1);
    EXPECT_EQ(tally.deals, tally.hands - 1);
}

INSTANTIATE_TEST_SUITE_P(Presets, WholeGame,
                         testing::Values(Table{rules::Preset::Partners, 4},
                                         Table{rules::Preset::Block, 3},
                                         Table{rules::Preset::Draw, 2},
                                         Table{rules::Preset::AllFives, 4},
                                         Table{rules::Preset::FivesAndThrees, 3}));

// Commands at the wrong moment are refused with their reason and change nothing.
TEST(Commands, WrongMomentsAreRefusedAndChangeNothing) {
    TableSession session(setupOf(rules::Preset::Draw, 2));
    while (!session.humanToPlay())
        ASSERT_TRUE(session.playComputerTurn().accepted());
    const rules::Game before = session.game();

    EXPECT_EQ(session.lay(End::Left).refused, Refused::NothingSelected);
    EXPECT_EQ(session.nextHand().rule, rules::Refusal::HandInPlay);
    EXPECT_EQ(session.playComputerTurn().refused, Refused::NotYourTurn);
    Domino notHeld{};
    for (Domino d : rules::DominoSet::whole().without(session.game().hand(HumanSeat)))
        notHeld = d;
    EXPECT_EQ(session.select(notHeld).refused, Refused::NotInHand);
    EXPECT_EQ(session.lay(notHeld, End::Left).refused, Refused::NotInHand);
    // Draw or pass while a domino fits, or a lay that does not fit.
    const rules::MoveList moves = session.humanMoves();
    if (moves[0].kind == Move::Kind::Lay) {
        EXPECT_EQ(session.draw().refused, Refused::Rules);
        EXPECT_EQ(session.pass().refused, Refused::Rules);
    }
    for (Domino d : session.game().hand(HumanSeat)) {
        for (End end : {End::Left, End::Right}) {
            if (!session.game().line().empty() && !moves.contains(Move::lay(d, end))) {
                EXPECT_EQ(session.lay(d, end).rule, rules::Refusal::DoesNotMatch);
            }
        }
    }
    EXPECT_EQ(session.game(), before);
}

// The hint is a legal move of the player's, and there is none outside its turn.
TEST(Commands, HintIsLegalOnlyInTheTurn) {
    TableSession session(setupOf(rules::Preset::Partners, 4));
    for (int step = 0; step < 60 && session.game().phase() == rules::Phase::Playing; ++step) {
        if (session.humanToPlay()) {
            const auto hint = session.hint();
            ASSERT_TRUE(hint);
            EXPECT_TRUE(session.humanMoves().contains(*hint));
            ASSERT_TRUE(playerMove(session, *hint).accepted());
        } else {
            EXPECT_FALSE(session.hint());
            ASSERT_TRUE(session.playComputerTurn().accepted());
        }
    }
}

} // namespace
} // namespace pipwright::session
