#pragma once

#include "computer/table/TablePlayer.h"
#include "rules/Game.h"
#include "session/TableSheet.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace pipwright::session {

// The seat at the bottom of the table, where the player sits.
inline constexpr int HumanSeat = 0;

// Who sits where and what they play: seat 0 is the player, every other seat a
// computer of its level.
struct TableSetup {
    rules::RuleSet rules;
    std::array<table::Level, rules::MaxSeats> levels{}; // levels[0] is unused
    std::uint64_t seed = 1;
    friend bool operator==(const TableSetup&, const TableSetup&) = default;
};

// Why a command from the player was not carried out.
enum class Refused {
    None,
    NotYourTurn,     // another seat is to play, or the hand is over
    NothingSelected, // lay needs a selected domino
    NotInHand,       // the player does not hold that domino
    Rules,           // the rules refused it: see the rules' refusal
};

// What a command did: carried out, or refused with a reason and nothing changed.
struct Answer {
    Refused refused = Refused::None;
    rules::Refusal rule = rules::Refusal::None;
    bool accepted() const { return refused == Refused::None; }
};

// Told of everything that happens at the table, in order.
class TableListener {
public:
    virtual ~TableListener() = default;
    // A move was applied, or a hand or the game ended.
    virtual void tableEvent(const rules::Event& event) = 0;
    // A hand was dealt: the first of a new game or the next.
    virtual void handDealt() {}
    // The player's selected domino changed.
    virtual void selectionChanged() {}
};

// A game at a table: it holds the game and the seats, asks computer seats for
// their moves when the caller says it is time, takes the player's commands,
// applies every move in one place and tells its listeners what happened.
class TableSession {
public:
    explicit TableSession(const TableSetup& setup);

    const rules::Game& game() const { return game_; }
    const TableSetup& setup() const { return setup_; }
    // The game's score sheet, noted as its events happen.
    const TableSheet& sheet() const { return sheet_; }
    rules::SeatView view() const { return game_.view(HumanSeat); }
    // A hand is being played and this seat is to move.
    bool seatToPlay(int seat) const;
    bool humanToPlay() const { return seatToPlay(HumanSeat); }
    bool computerToPlay() const;
    // The legal moves of the player, empty outside its turn.
    rules::MoveList humanMoves() const { return game_.legalMoves(HumanSeat); }
    // Whether the player's domino has a legal place now.
    bool fits(rules::Domino domino) const;
    // The ends the player may lay the domino on now (Left, Right or First).
    std::vector<rules::End> placesFor(rules::Domino domino) const;

    std::optional<rules::Domino> selected() const { return selected_; }
    // Selects a domino of the player's hand (or clears with nullopt).
    Answer select(std::optional<rules::Domino> domino);
    // Lays the selected domino on an end (First when the line is empty).
    Answer lay(rules::End end);
    // Lays a named domino on an end.
    Answer lay(rules::Domino domino, rules::End end);
    Answer draw();
    Answer pass();
    // Deals the next hand after a hand has ended.
    Answer nextHand();
    // Starts a new game at the same table with a new seed.
    void newGame(std::uint64_t seed);
    // The move a computer seat makes now; refused outside a computer's turn.
    Answer playComputerTurn();
    // The Master's choice for the player, from the player's view.
    std::optional<rules::Move> hint() const;
    // Plays a move of a game kept in a file for the seat to play, as it was
    // played: a computer seat's move counts as one of its decisions.
    Answer replay(const rules::Move& move);
    // Every move of this game so far, hand after hand.
    const std::vector<rules::Move>& moves() const { return moves_; }
    // How many decisions the computer seats have made in this game.
    std::uint64_t decisions() const { return decisions_; }
    // How the last hand ended, while no next hand has been dealt.
    const std::optional<rules::HandEnded>& handEnded() const { return handEnded_; }

    void addListener(TableListener* listener);
    void removeListener(TableListener* listener);

private:
    // The one place a move is applied and its events told.
    Answer apply(const rules::Move& move);
    std::uint64_t nextSeed();

    TableSetup setup_;
    rules::Game game_;
    TableSheet sheet_;
    std::optional<rules::Domino> selected_;
    std::uint64_t decisions_ = 0;
    std::vector<rules::Move> moves_;
    std::optional<rules::HandEnded> handEnded_;
    std::vector<TableListener*> listeners_;
};

} // namespace pipwright::session
