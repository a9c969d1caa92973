#pragma once

#include "rules/RuleSet.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pipwright::rules {

// The target of All Fives, the classic game's too.
inline constexpr int AllFivesTarget = 200;

// One shipped game: its name, its defaults and the choices a player may change.
struct PresetInfo {
    Preset preset;
    std::string_view name;  // as the record and the harness write it: "all-fives"
    std::string_view title; // as a player reads it: "All Fives"
    int minSeats, maxSeats, defaultSeats;
    bool partnersChoice;         // four seats may play as partnerships (Partners always does)
    int dealForTwo, dealForMore; // dominoes each for two seats, for three or four
    std::array<int, 3> targets;  // the targets a player may pick, 0 for unused places
    bool exactChoice;            // whether "exactly" may be chosen
    bool awardChoice;            // whether the award may be the opponents' pips only
    RuleSet defaults;            // at the default seat count
};

// The five shipped games, in menu order.
std::span<const PresetInfo> presets();
const PresetInfo& presetInfo(Preset preset);
// The preset with this record name, if any.
std::optional<Preset> presetNamed(std::string_view name);

// What a player chose; anything unset keeps the preset's default.
struct Choices {
    std::optional<int> seats = {};
    std::optional<bool> partners = {};
    std::optional<int> target = {};
    std::optional<bool> exactTarget = {};
    std::optional<bool> opponentsOnly = {}; // the award is the opponents' pips only
};

// The preset's rule set with these choices, or why a choice is not open.
struct ChosenRules {
    std::optional<RuleSet> rules;
    std::string refusal;
};
ChosenRules choose(Preset preset, const Choices& choices);

} // namespace pipwright::rules
