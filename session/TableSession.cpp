#include "session/TableSession.h"

#include <algorithm>
#include <variant>

namespace pipwright::session {

using rules::Domino;
using rules::End;
using rules::Move;

TableSession::TableSession(const TableSetup& setup)
    : setup_(setup), game_(setup.rules, setup.seed), sheet_(setup.rules) {
    sheet_.handDealt(game_.handNumber());
}

bool TableSession::seatToPlay(int seat) const {
    return game_.phase() == rules::Phase::Playing && game_.turn() == seat;
}

bool TableSession::computerToPlay() const {
    return game_.phase() == rules::Phase::Playing && game_.turn() != HumanSeat;
}

bool TableSession::fits(Domino domino) const {
    return !placesFor(domino).empty();
}

std::vector<End> TableSession::placesFor(Domino domino) const {
    std::vector<End> ends;
    for (const Move& move : humanMoves())
        if (move.kind == Move::Kind::Lay && move.domino == domino)
            ends.push_back(move.end);
    return ends;
}

Answer TableSession::select(std::optional<Domino> domino) {
    if (domino && !game_.hand(HumanSeat).contains(*domino))
        return {Refused::NotInHand};
    if (selected_ != domino) {
        selected_ = domino;
        for (TableListener* listener : listeners_)
            listener->selectionChanged();
    }
    return {};
}

Answer TableSession::lay(End end) {
    if (!selected_)
        return {Refused::NothingSelected};
    return lay(*selected_, end);
}

Answer TableSession::lay(Domino domino, End end) {
    if (!humanToPlay())
        return {Refused::NotYourTurn};
    if (!game_.hand(HumanSeat).contains(domino))
        return {Refused::NotInHand};
    // The first domino of a hand goes down whichever end was asked for.
    if (game_.line().empty())
        end = End::First;
    return apply(Move::lay(domino, end));
}

Answer TableSession::draw() {
    if (!humanToPlay())
        return {Refused::NotYourTurn};
    return apply(Move::draw());
}

Answer TableSession::pass() {
    if (!humanToPlay())
        return {Refused::NotYourTurn};
    return apply(Move::pass());
}

Answer TableSession::nextHand() {
    const rules::Refusal refusal = game_.dealNextHand();
    if (refusal != rules::Refusal::None)
        return {Refused::Rules, refusal};
    sheet_.handDealt(game_.handNumber());
    selected_.reset();
    handEnded_.reset();
    for (TableListener* listener : listeners_)
        listener->handDealt();
    return {};
}

void TableSession::newGame(std::uint64_t seed) {
    setup_.seed = seed;
    game_ = rules::Game(setup_.rules, seed);
    sheet_.newGame(setup_.rules);
    sheet_.handDealt(game_.handNumber());
    selected_.reset();
    decisions_ = 0;
    moves_.clear();
    handEnded_.reset();
    for (TableListener* listener : listeners_)
        listener->handDealt();
}

Answer TableSession::playComputerTurn() {
    if (!computerToPlay())
        return {Refused::NotYourTurn};
    const int seat = game_.turn();
    return apply(table::chooseMove(game_.view(seat), setup_.levels[std::size_t(seat)], nextSeed()));
}

std::optional<Move> TableSession::hint() const {
    if (!humanToPlay())
        return std::nullopt;
    return table::chooseMove(view(), table::Level::Master, setup_.seed ^ 0x9e3779b97f4a7c15ULL);
}

Answer TableSession::replay(const Move& move) {
    if (game_.phase() != rules::Phase::Playing)
        return {Refused::NotYourTurn};
    if (computerToPlay())
        nextSeed();
    return apply(move);
}

void TableSession::addListener(TableListener* listener) {
    listeners_.push_back(listener);
}

void TableSession::removeListener(TableListener* listener) {
    std::erase(listeners_, listener);
}

Answer TableSession::apply(const Move& move) {
    const rules::Outcome outcome = game_.apply(move);
    if (!outcome.accepted())
        return {Refused::Rules, outcome.refusal};
    moves_.push_back(move);
    for (const rules::Event& event : outcome) {
        sheet_.note(event);
        if (const auto* ended = std::get_if<rules::HandEnded>(&event))
            handEnded_ = *ended;
    }
    if (selected_ && !game_.hand(HumanSeat).contains(*selected_)) {
        selected_.reset();
        for (TableListener* listener : listeners_)
            listener->selectionChanged();
    }
    // A listener may remove itself while it is told.
    const std::vector<TableListener*> told = listeners_;
    for (const rules::Event& event : outcome)
        for (TableListener* listener : told)
            listener->tableEvent(event);
    return {};
}

std::uint64_t TableSession::nextSeed() {
    // SplitMix64 over the game's seed and the decision count: repeatable and
    // different for every decision.
    std::uint64_t z = setup_.seed + 0x9e3779b97f4a7c15ULL * ++decisions_;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace pipwright::session
