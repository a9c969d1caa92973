#include "rules/Game.h"

#include "rules/Scoring.h"

#include <algorithm>
#include <stdexcept>

namespace pipwright::rules {

MoveList movesOpen(const RuleSet& rules, const Line& line, DominoSet hand, int boneYardCount,
                   std::optional<Domino> requiredLead) {
    MoveList moves;
    if (line.empty()) {
        if (requiredLead && hand.contains(*requiredLead)) {
            moves.push(Move::lay(*requiredLead, End::First));
            return moves;
        }
        for (const Domino d : hand)
            moves.push(Move::lay(d, End::First));
        return moves;
    }
    const DominoSet fitting =
        hand & (DominoSet::touching(line.left().open) | DominoSet::touching(line.right().open));
    for (const Domino d : fitting) {
        if (d.has(line.left().open))
            moves.push(Move::lay(d, End::Left));
        if (d.has(line.right().open))
            moves.push(Move::lay(d, End::Right));
    }
    if (moves.empty() && !hand.empty())
        moves.push(rules.drawWhenStuck && boneYardCount > 0 ? Move::draw() : Move::pass());
    return moves;
}

Game::Game(const RuleSet& rules, std::uint64_t seed) : rules_(rules), random_(seed) {
    const std::string why = whyUnplayable(rules);
    if (!why.empty())
        throw std::invalid_argument(why);
    deal();
}

Game Game::fromView(const SeatView& view, const HiddenDeal& deal, std::uint64_t seed) {
    if (!whyUnplayable(view.rules).empty())
        throw std::invalid_argument("the view's rules cannot be played");
    if (view.turn < 0 || view.turn >= view.rules.seats || view.leader < 0 ||
        view.leader >= view.rules.seats)
        throw std::invalid_argument("the view's turn or leader is no seat");
    if (view.seat < 0 || view.seat >= view.rules.seats || deal.hands[view.seat] != view.hand)
        throw std::invalid_argument("the deal changes the seat's own hand");
    if (deal.boneYardCount != view.boneYardCount || deal.boneYardCount < 0 ||
        deal.outOfPlay.size() != view.outOfPlayCount)
        throw std::invalid_argument("the deal's BoneYard or out-of-play count differs");
    if (deal.boneYardCount > DominoCount)
        throw std::invalid_argument("the deal's BoneYard is larger than the set");
    for (int i = 0; i < deal.boneYardCount; ++i) {
        const Domino d = deal.boneYard[i];
        if (d.low < 0 || d.low > d.high || d.high > 6)
            throw std::invalid_argument("the deal's BoneYard holds no such domino");
    }
    for (int seat = view.rules.seats; seat < MaxSeats; ++seat)
        if (!deal.hands[seat].empty())
            throw std::invalid_argument("the deal gives dominoes to an empty seat");
    DominoSet seen = view.line.laid() | deal.outOfPlay;
    int placed = view.line.laidCount() + deal.outOfPlay.size();
    for (int seat = 0; seat < view.rules.seats; ++seat) {
        if (deal.hands[seat].size() != view.handCounts[seat])
            throw std::invalid_argument("the deal's hand counts differ");
        seen = seen | deal.hands[seat];
        placed += deal.hands[seat].size();
    }
    for (int i = 0; i < deal.boneYardCount; ++i)
        seen.insert(deal.boneYard[i]);
    placed += deal.boneYardCount;
    if (seen != DominoSet::whole() || placed != DominoCount)
        throw std::invalid_argument("the deal does not place every domino once");

    Game game;
    game.rules_ = view.rules;
    game.random_ = SplitMix64(seed);
    game.phase_ = view.phase;
    game.hands_ = deal.hands;
    game.boneYard_ = deal.boneYard;
    game.boneYardCount_ = deal.boneYardCount;
    game.outOfPlay_ = deal.outOfPlay;
    game.line_ = view.line;
    game.scores_ = view.scores;
    game.turn_ = view.turn;
    game.leader_ = view.leader;
    game.handNumber_ = view.handNumber;
    game.passesInRow_ = view.passesInRow;
    game.requiredLead_ = view.requiredLead;
    game.keepRecord_ = false;
    return game;
}

std::vector<Domino> Game::boneYard() const {
    return {boneYard_.begin() + boneYardNext_, boneYard_.begin() + boneYardCount_};
}

void Game::deal() {
    for (int i = 0; i < DominoCount; ++i)
        dealOrder_[i] = Domino::at(i);
    for (int i = DominoCount - 1; i > 0; --i)
        std::swap(dealOrder_[i], dealOrder_[random_.below(i + 1)]);
    const int dealt = rules_.dealEach * rules_.seats;
    hands_ = {};
    for (int i = 0; i < dealt; ++i)
        hands_[i / rules_.dealEach].insert(dealOrder_[i]);
    outOfPlay_ = {};
    boneYardCount_ = 0;
    boneYardNext_ = 0;
    for (int i = dealt; i < DominoCount; ++i) {
        if (rules_.drawWhenStuck)
            boneYard_[boneYardCount_++] = dealOrder_[i];
        else
            outOfPlay_.insert(dealOrder_[i]);
    }
    line_ = Line{};
    passesInRow_ = 0;
    requiredLead_.reset();
    record_.clear();
    chooseLeader();
    turn_ = leader_;
    phase_ = Phase::Playing;
}

void Game::chooseLeader() {
    if (nextLeader_ != NoSeat) {
        leader_ = nextLeader_;
        return;
    }
    if (rules_.lead == Lead::LotThenNextSeat) {
        leader_ = random_.below(rules_.seats);
        return;
    }
    // The highest double dealt, else the heaviest domino (the higher half breaking ties).
    std::optional<Domino> best;
    int holder = 0;
    for (int seat = 0; seat < rules_.seats; ++seat)
        for (const Domino d : hands_[seat]) {
            const auto weight = [](Domino x) {
                return (x.isDouble() ? 1000 : 0) + 10 * x.pips() + x.high;
            };
            if (!best || weight(d) > weight(*best)) {
                best = d;
                holder = seat;
            }
        }
    leader_ = holder;
    requiredLead_ = best;
}

MoveList Game::legalMoves(int seat) const {
    if (phase_ != Phase::Playing || seat != turn_)
        return {};
    return movesOpen(rules_, line_, hands_[seat], boneYardCount(), requiredLead_);
}

SeatView Game::view(int seat) const {
    SeatView v;
    v.rules = rules_;
    v.seat = seat;
    v.hand = hands_[seat];
    v.line = line_;
    for (int s = 0; s < rules_.seats; ++s)
        v.handCounts[s] = hands_[s].size();
    v.boneYardCount = boneYardCount();
    v.outOfPlayCount = outOfPlay_.size();
    v.scores = scores_;
    v.phase = phase_;
    v.turn = turn_;
    v.handNumber = handNumber_;
    v.leader = leader_;
    v.passesInRow = passesInRow_;
    v.requiredLead = requiredLead_;
    v.record = record_;
    for (PublicEvent& e : v.record)
        if (e.kind == PublicEvent::Kind::Drew && e.seat != seat) {
            e.domino = Domino{};
            e.dominoShown = false;
        }
    return v;
}

int Game::addPoints(int side, int points) {
    if (points <= 0 || (rules_.exactTarget && scores_[side] + points > rules_.target))
        return 0;
    scores_[side] += points;
    return points;
}

void Game::recordEvent(PublicEvent::Kind kind, Domino domino, End end, int score,
                       const OpenEnd& left, const OpenEnd& right) {
    if (keepRecord_)
        record_.push_back(PublicEvent{kind, turn_, domino, true, end, score, left, right});
}

Outcome Game::apply(const Move& move) {
    Outcome outcome;
    if (phase_ != Phase::Playing) {
        outcome.refusal = phase_ == Phase::HandOver ? Refusal::HandOver : Refusal::GameOver;
        return outcome;
    }
    const int seat = turn_;
    const MoveList open = legalMoves(seat);
    const bool canLay = !open.empty() && open[0].kind == Move::Kind::Lay;
    const OpenEnd left = line_.left(), right = line_.right();
    switch (move.kind) {
    case Move::Kind::Lay: {
        const Domino d = move.domino;
        if (d.low < 0 || d.high > 6 || d.low > d.high || !hands_[seat].contains(d))
            outcome.refusal = Refusal::NotHeld;
        else if (line_.empty() && move.end != End::First)
            outcome.refusal = Refusal::NotFirst;
        else if (line_.empty() && requiredLead_ && d != *requiredLead_)
            outcome.refusal = Refusal::MustLead;
        else if (!line_.empty() && move.end == End::First)
            outcome.refusal = Refusal::LineStarted;
        else if (!line_.fits(d, move.end))
            outcome.refusal = Refusal::DoesNotMatch;
        if (!outcome.accepted())
            return outcome;
        line_.lay(d, move.end);
        hands_[seat].erase(d);
        passesInRow_ = 0;
        requiredLead_.reset();
        const int side = sideOf(rules_, seat);
        const int scored = addPoints(side, countPoints(rules_.endsScore, line_.count()));
        recordEvent(PublicEvent::Kind::Laid, d, move.end, scored, left, right);
        outcome.push(Laid{seat, d, move.end, line_.left().open, line_.right().open, scored});
        if (scored > 0 && scores_[side] >= rules_.target)
            endHand(HandEnd::Target, seat, outcome);
        else if (hands_[seat].empty())
            endHand(HandEnd::Out, seat, outcome);
        else
            turn_ = nextSeat(seat);
        return outcome;
    }
    case Move::Kind::Draw: {
        if (canLay)
            outcome.refusal = Refusal::CanLay;
        else if (!rules_.drawWhenStuck)
            outcome.refusal = Refusal::RulesPass;
        else if (boneYardCount() == 0)
            outcome.refusal = Refusal::BoneYardEmpty;
        if (!outcome.accepted())
            return outcome;
        const Domino d = boneYard_[boneYardNext_++];
        hands_[seat].insert(d);
        recordEvent(PublicEvent::Kind::Drew, d, End::First, 0, left, right);
        outcome.push(Drew{seat, d});
        return outcome;
    }
    case Move::Kind::Pass: {
        if (canLay)
            outcome.refusal = Refusal::CanLay;
        else if (rules_.drawWhenStuck && boneYardCount() > 0)
            outcome.refusal = Refusal::MustDraw;
        if (!outcome.accepted())
            return outcome;
        ++passesInRow_;
        recordEvent(PublicEvent::Kind::Passed, Domino{}, End::First, 0, left, right);
        outcome.push(Passed{seat});
        if (passesInRow_ >= rules_.seats)
            endHand(HandEnd::Blocked, seat, outcome);
        else
            turn_ = nextSeat(seat);
        return outcome;
    }
    }
    outcome.refusal = Refusal::NotHeld;
    return outcome;
}

void Game::endHand(HandEnd how, int seat, Outcome& outcome) {
    HandEnded ended;
    ended.how = how;
    std::array<int, MaxSeats> sidePips{};
    int lowest = 0;
    for (int s = 0; s < rules_.seats; ++s) {
        ended.pips[s] = hands_[s].pips();
        sidePips[sideOf(rules_, s)] += ended.pips[s];
        if (s == 0 || ended.pips[s] < lowest)
            lowest = ended.pips[s];
    }
    int winner = NoSeat;
    if (how == HandEnd::Out || how == HandEnd::Target) {
        winner = seat;
    } else if (rules_.blockedHandWon) {
        // The single lowest hand; two sides holding it share nothing.
        for (int s = 0; s < rules_.seats; ++s) {
            if (ended.pips[s] != lowest)
                continue;
            if (winner == NoSeat)
                winner = s;
            else if (sideOf(rules_, s) != sideOf(rules_, winner)) {
                winner = NoSeat;
                break;
            }
        }
    }
    ended.winner = winner;
    if (winner != NoSeat && how != HandEnd::Target) {
        const int side = sideOf(rules_, winner);
        int others = 0;
        for (int x = 0; x < sideCount(rules_); ++x)
            if (x != side)
                others += sidePips[x];
        long award = 0;
        switch (rules_.award) {
        case Award::AllHands:
            award = others + sidePips[side];
            break;
        case Award::OpponentsHands:
            award = others;
            break;
        case Award::LosersLessWinner:
            award = std::max(0, others - sidePips[side]);
            break;
        case Award::OutPoint:
            award = how == HandEnd::Out ? 1 : 0;
            break;
        }
        if (rules_.awardToNearestFive)
            award = roundToFive(award);
        ended.award = addPoints(side, static_cast<int>(award));
    }
    for (int x = 0; x < sideCount(rules_); ++x)
        ended.totals[x] = scores_[x];
    outcome.push(ended);

    if (rules_.lead == Lead::LotThenNextSeat)
        nextLeader_ = nextSeat(leader_);
    else
        nextLeader_ = winner == NoSeat ? leader_ : winner;

    const int side = winner == NoSeat ? -1 : sideOf(rules_, winner);
    if (side >= 0 && scores_[side] >= rules_.target) {
        phase_ = Phase::GameOver;
        outcome.push(GameEnded{side, firstSeatOf(rules_, side)});
    } else {
        phase_ = Phase::HandOver;
    }
}

Refusal Game::dealNextHand() {
    if (phase_ == Phase::Playing)
        return Refusal::HandInPlay;
    if (phase_ == Phase::GameOver)
        return Refusal::GameOver;
    ++handNumber_;
    deal();
    return Refusal::None;
}

} // namespace pipwright::rules
