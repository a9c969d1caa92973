#include "computer/table/Expert.h"

#include "computer/table/Novice.h"

namespace pipwright::table {

// Plays as the Novice until the Expert's heuristic lands.
rules::Move chooseExpertMove(const rules::SeatView& view, std::uint64_t seed) {
    return chooseNoviceMove(view, seed);
}

} // namespace pipwright::table
