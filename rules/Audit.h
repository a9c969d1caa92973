#pragma once

#include "rules/Game.h"

#include <array>
#include <string>

namespace pipwright::rules {

// Where every domino is, checked: in exactly one hand, the BoneYard, out of
// play or on the line. Empty when so, else what is wrong.
std::string misplacedDomino(const Game& game);

// Watches a game from outside, move by move and deal by deal, and says which
// rule was broken: lays that match, draws and passes only when nothing fits,
// refusals that change nothing, scores that add up to the lays and awards,
// awards and leaders as the rule set says.
class Audit {
public:
    explicit Audit(const Game& start);
    // Checks a freshly dealt first hand: who leads and with what.
    static std::string atStart(const Game& game);
    // Checks one apply: the game before, the move, what apply returned and the
    // game after. Empty when every rule held.
    std::string afterMove(const Game& before, const Move& move, const Outcome& outcome,
                          const Game& after);
    // Checks the deal of the next hand.
    std::string afterDeal(const Game& before, const Game& after) const;

private:
    std::string handEnded(const Game& before, const Game& after, const HandEnded& ended);

    std::array<long, MaxSeats> counted_{}; // lays' scores and awards per side
    int lastWinner_ = NoSeat;
};

} // namespace pipwright::rules
