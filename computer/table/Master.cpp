#include "computer/table/Master.h"

#include "computer/table/Novice.h"

namespace pipwright::table {

// Plays as the Novice until the Master's search lands.
rules::Move chooseMasterMove(const rules::SeatView& view, std::uint64_t seed) {
    return chooseNoviceMove(view, seed);
}

} // namespace pipwright::table
