#include "rules/Audit.h"

#include "rules/Scoring.h"

namespace pipwright::rules {

namespace {

std::string seatText(int seat) {
    return "seat " + std::to_string(seat + 1);
}

bool anyFits(DominoSet held, const Line& line) {
    if (line.empty())
        return !held.empty();
    return !(held &
             (DominoSet::touching(line.left().open) | DominoSet::touching(line.right().open)))
                .empty();
}

// The points a side takes from a count or an award, an exact target allowing.
int allowed(const Game& before, int side, int points) {
    const RuleSet& rules = before.rules();
    if (rules.exactTarget && before.score(side) + points > rules.target)
        return 0;
    return points;
}

} // namespace

std::string misplacedDomino(const Game& game) {
    DominoSet seen = game.line().laid();
    int placed = game.line().laidCount();
    const auto add = [&](DominoSet set) {
        if (!(seen & set).empty())
            return false;
        seen = seen | set;
        placed += set.size();
        return true;
    };
    bool once = add(game.outOfPlay());
    for (int seat = 0; seat < game.rules().seats; ++seat)
        once = add(game.hand(seat)) && once;
    for (const Domino d : game.boneYard()) {
        DominoSet one;
        one.insert(d);
        once = add(one) && once;
    }
    if (!once || seen != DominoSet::whole() || placed != DominoCount)
        return "a domino is in two places or in none";
    return {};
}

Audit::Audit(const Game& start) {
    for (int side = 0; side < sideCount(start.rules()); ++side)
        counted_[side] = start.score(side);
}

std::string Audit::atStart(const Game& game) {
    if (auto bad = misplacedDomino(game); !bad.empty())
        return bad;
    if (game.rules().lead == Lead::LotThenNextSeat)
        return game.requiredLead() ? "a lead by lot names a domino" : std::string{};
    if (!game.requiredLead() || !game.hand(game.leader()).contains(*game.requiredLead()))
        return "the first leader does not hold the domino to lead";
    const Domino lead = *game.requiredLead();
    for (int seat = 0; seat < game.rules().seats; ++seat)
        for (const Domino d : game.hand(seat)) {
            const bool higherDouble = d.isDouble() && (!lead.isDouble() || d.low > lead.low);
            const bool heavier =
                !lead.isDouble() && !d.isDouble() &&
                (d.pips() > lead.pips() || (d.pips() == lead.pips() && d.high > lead.high));
            if (higherDouble || heavier)
                return seatText(seat) + " holds " + toText(d) + ", above the lead " + toText(lead);
        }
    return {};
}

std::string Audit::afterMove(const Game& before, const Move& move, const Outcome& outcome,
                             const Game& after) {
    if (auto bad = misplacedDomino(after); !bad.empty())
        return bad;
    const int seat = before.turn();
    const bool legal = before.legalMoves(seat).contains(move);
    if (legal != outcome.accepted())
        return legal ? "a legal move was refused: " + std::string(describe(outcome.refusal))
                     : "a move the rules forbid was accepted";
    if (!outcome.accepted())
        return before == after ? std::string{} : "a refused move changed the game";

    const RuleSet& rules = before.rules();
    const DominoSet held = before.hand(seat);
    const Line& line = before.line();
    const int side = sideOf(rules, seat);
    if (outcome.size() < 1)
        return "an accepted move told nothing";
    switch (move.kind) {
    case Move::Kind::Lay: {
        if (!held.contains(move.domino) || !line.fits(move.domino, move.end))
            return seatText(seat) + " laid " + toText(move.domino) + " where it does not match";
        const auto* laid = std::get_if<Laid>(&outcome[0]);
        if (!laid || laid->left != after.line().left().open ||
            laid->right != after.line().right().open)
            return "a lay did not tell the ends after it";
        const int points =
            allowed(before, side, countPoints(rules.endsScore, after.line().count()));
        if (laid->score != points)
            return "a lay scored " + std::to_string(laid->score) + ", not " +
                   std::to_string(points);
        counted_[side] += laid->score;
        break;
    }
    case Move::Kind::Draw:
        if (!rules.drawWhenStuck || anyFits(held, line) || before.boneYardCount() == 0 ||
            after.hand(seat).size() != held.size() + 1)
            return seatText(seat) + " drew where the rules do not draw";
        break;
    case Move::Kind::Pass:
        if (anyFits(held, line) || (rules.drawWhenStuck && before.boneYardCount() > 0))
            return seatText(seat) + " passed where it could play";
        break;
    }
    bool gameEnded = false;
    for (const Event& event : outcome) {
        if (const auto* ended = std::get_if<HandEnded>(&event)) {
            if (auto bad = handEnded(before, after, *ended); !bad.empty())
                return bad;
        }
        gameEnded = gameEnded || std::holds_alternative<GameEnded>(event);
    }
    for (int x = 0; x < sideCount(rules); ++x)
        if (after.score(x) != counted_[x])
            return "side " + std::to_string(x + 1) + "'s score " + std::to_string(after.score(x)) +
                   " is not its counts and awards, " + std::to_string(counted_[x]);
    bool reached = false;
    for (int x = 0; x < sideCount(rules); ++x)
        reached = reached || after.score(x) >= rules.target;
    if (gameEnded != reached || gameEnded != (after.phase() == Phase::GameOver))
        return "the game ended without a side at the target, or went on past it";
    return {};
}

std::string Audit::handEnded(const Game& before, const Game& after, const HandEnded& ended) {
    const RuleSet& rules = before.rules();
    const int seat = before.turn();
    int lowest = 0;
    for (int s = 0; s < rules.seats; ++s) {
        if (ended.pips[s] != after.hand(s).pips())
            return "the hand's end misstates " + seatText(s) + "'s pips";
        if (s == 0 || ended.pips[s] < lowest)
            lowest = ended.pips[s];
    }
    int winner = NoSeat;
    switch (ended.how) {
    case HandEnd::Out:
        if (!after.hand(seat).empty())
            return "a hand went out with dominoes left";
        winner = seat;
        break;
    case HandEnd::Target:
        winner = seat;
        break;
    case HandEnd::Blocked:
        if (after.passesInRow() != rules.seats)
            return "a hand was blocked before every seat passed";
        for (int s = 0; rules.blockedHandWon && s < rules.seats; ++s)
            if (ended.pips[s] == lowest) {
                if (winner == NoSeat) {
                    winner = s;
                } else if (sideOf(rules, s) != sideOf(rules, winner)) {
                    winner = NoSeat;
                    break;
                }
            }
        break;
    }
    if (ended.winner != winner)
        return "the hand went to the wrong seat";
    int award = 0;
    if (winner != NoSeat && ended.how != HandEnd::Target) {
        const int side = sideOf(rules, winner);
        int own = 0, others = 0;
        for (int s = 0; s < rules.seats; ++s)
            (sideOf(rules, s) == side ? own : others) += ended.pips[s];
        switch (rules.award) {
        case Award::AllHands:
            award = own + others;
            break;
        case Award::OpponentsHands:
            award = others;
            break;
        case Award::LosersLessWinner:
            award = others > own ? others - own : 0;
            break;
        case Award::OutPoint:
            award = ended.how == HandEnd::Out ? 1 : 0;
            break;
        }
        if (rules.awardToNearestFive)
            award = static_cast<int>(roundToFive(award));
        award = allowed(before, side, award);
        counted_[side] += award;
    }
    if (ended.award != award)
        return "the award was " + std::to_string(ended.award) + ", not " + std::to_string(award);
    for (int x = 0; x < sideCount(rules); ++x)
        if (ended.totals[x] != after.score(x))
            return "the hand's totals differ from the scores";
    lastWinner_ = winner;
    return {};
}

std::string Audit::afterDeal(const Game& before, const Game& after) const {
    if (auto bad = misplacedDomino(after); !bad.empty())
        return bad;
    const int n = before.rules().seats;
    int leader = lastWinner_ == NoSeat ? before.leader() : lastWinner_;
    if (before.rules().lead == Lead::LotThenNextSeat)
        leader = (before.leader() + 1) % n;
    if (after.handNumber() != before.handNumber() + 1 || after.leader() != leader ||
        after.turn() != leader || after.requiredLead())
        return "hand " + std::to_string(after.handNumber()) + " is led by " +
               seatText(after.leader()) + ", not " + seatText(leader);
    for (int s = 0; s < n; ++s)
        if (after.hand(s).size() != before.rules().dealEach)
            return seatText(s) + " was dealt the wrong number of dominoes";
    return {};
}

} // namespace pipwright::rules
