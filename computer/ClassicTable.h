#pragma once

#include "game/TableView.h"
#include "rules/RuleSet.h"
#include "rules/SeatView.h"

#include <optional>

namespace pipwright {

// The classic game as the rules core plays it: two seats, a multiple of five
// on the ends scores itself, the hand's award is the difference of pips
// rounded to five, 200 wins.
rules::RuleSet classicRules();

// One side's view of the classic table as the core's seat 0 sees it, the
// other side at seat 1. The line is rebuilt from its dominoes and open ends;
// `swapped` says the core's left end is the table's right. Dominoes the view
// places nowhere (a table set up in part) lie out of play.
struct ClassicSeat {
    rules::SeatView view;
    bool swapped = false;
};
std::optional<ClassicSeat> classicSeat(const TableView& table);

} // namespace pipwright
