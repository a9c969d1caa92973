#include "computer/table/TablePlayer.h"

#include "computer/table/Expert.h"
#include "computer/table/Master.h"
#include "computer/table/Novice.h"

namespace pipwright::table {

std::string_view levelName(Level level) {
    switch (level) {
    case Level::Expert:
        return "expert";
    case Level::Master:
        return "master";
    case Level::Novice:
        break;
    }
    return "novice";
}

std::optional<Level> levelNamed(std::string_view name) {
    for (const Level level : {Level::Novice, Level::Expert, Level::Master})
        if (name == levelName(level))
            return level;
    return std::nullopt;
}

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
