#include "computer/table/TablePlayer.h"

#include "computer/table/Expert.h"
#include "computer/table/Master.h"
#include "computer/table/Novice.h"

namespace pipwright::table {

rules::Move chooseMove(const rules::SeatView& view, Level level, std::uint64_t seed) {
    switch (level) {
    case Level::Expert:
        return chooseExpertMove(view, seed);
    case Level::Master:
        return chooseMasterMove(view, seed);
    case Level::Novice:
        break;
    }
    return chooseNoviceMove(view, seed);
}

} // namespace pipwright::table
