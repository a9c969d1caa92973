#include "computer/table/Novice.h"

#include "rules/Random.h"

namespace pipwright::table {

rules::Move chooseNoviceMove(const rules::SeatView& view, std::uint64_t seed) {
    const rules::MoveList moves = rules::legalMoves(view);
    if (moves.empty())
        return rules::Move::pass();
    rules::SplitMix64 random(seed);
    return moves[random.below(moves.size())];
}

} // namespace pipwright::table
