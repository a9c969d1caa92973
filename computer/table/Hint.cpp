#include "computer/table/Hint.h"

#include "computer/table/Master.h"

namespace pipwright::table {

rules::Move hintFor(const rules::SeatView& view, std::uint64_t seed) {
    return chooseMasterMove(view, seed);
}

} // namespace pipwright::table
