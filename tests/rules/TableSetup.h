#pragma once

#include "rules/Game.h"
#include "rules/Presets.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace pipwright::rules {

// Dominoes written as "3-5 0-0".
std::vector<Domino> dominoes(const std::string& text);
DominoSet setOf(const std::string& text);

// A table set up by hand: each seat's hand, the line laid domino by domino
// (the first with End::First), the BoneYard in drawing order; every other
// domino is out of play.
struct TableSetup {
    RuleSet rules = {};
    std::vector<std::string> hands = {};
    std::vector<std::pair<std::string, End>> line = {};
    std::string boneYard = {};
    std::array<int, MaxSeats> scores = {};
    int turn = 0;
    int passes = 0; // passes in a row so far
    int leader = 0;
};
Game tableAt(const TableSetup& setup);

// A preset's rules at a seat count, with partnerships where asked.
RuleSet presetRules(Preset preset, int seats, bool partners = false);

} // namespace pipwright::rules
