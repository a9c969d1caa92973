#include "rules/Presets.h"

#include <algorithm>
#include <array>

namespace pipwright::rules {

namespace {

constexpr RuleSet rulesOf(Preset preset, int seats, bool partners, int deal, bool draw,
                          EndsScore ends, Award award, bool toFive, bool blockedWon, Lead lead,
                          int target) {
    RuleSet r;
    r.preset = preset;
    r.seats = seats;
    r.partners = partners;
    r.dealEach = deal;
    r.drawWhenStuck = draw;
    r.endsScore = ends;
    r.award = award;
    r.awardToNearestFive = toFive;
    r.blockedHandWon = blockedWon;
    r.lead = lead;
    r.target = target;
    return r;
}

const std::array<PresetInfo, 5> Presets{{
    {Preset::Partners,
     "partners",
     "Partners",
     4,
     4,
     4,
     false,
     7,
     7,
     {100, 150, 200},
     false,
     true,
     rulesOf(Preset::Partners, 4, true, 7, false, EndsScore::Nothing, Award::AllHands, false, true,
             Lead::SixSixThenWinner, 200)},
    {Preset::Block,
     "block",
     "Block",
     2,
     4,
     2,
     true,
     7,
     7,
     {100, 0, 0},
     false,
     false,
     rulesOf(Preset::Block, 2, false, 7, false, EndsScore::Nothing, Award::LosersLessWinner, false,
             true, Lead::HighestDoubleThenWinner, 100)},
    {Preset::Draw,
     "draw",
     "Draw",
     2,
     4,
     2,
     true,
     7,
     5,
     {100, 0, 0},
     false,
     false,
     rulesOf(Preset::Draw, 2, false, 7, true, EndsScore::Nothing, Award::LosersLessWinner, false,
             true, Lead::HighestDoubleThenWinner, 100)},
    {Preset::AllFives,
     "all-fives",
     "All Fives",
     2,
     4,
     2,
     true,
     7,
     5,
     {200, 0, 0},
     false,
     false,
     rulesOf(Preset::AllFives, 2, false, 7, true, EndsScore::MultipleOfFive,
             Award::LosersLessWinner, true, true, Lead::HighestDoubleThenWinner, AllFivesTarget)},
    {Preset::FivesAndThrees,
     "fives-and-threes",
     "Fives and Threes",
     2,
     4,
     2,
     true,
     7,
     5,
     {61, 0, 0},
     true,
     false,
     rulesOf(Preset::FivesAndThrees, 2, false, 7, false, EndsScore::FivesAndThrees, Award::OutPoint,
             false, false, Lead::LotThenNextSeat, 61)},
}};

} // namespace

std::span<const PresetInfo> presets() {
    return Presets;
}

const PresetInfo& presetInfo(Preset preset) {
    return Presets[static_cast<std::size_t>(preset)];
}

std::optional<Preset> presetNamed(std::string_view name) {
    for (const PresetInfo& info : Presets)
        if (info.name == name)
            return info.preset;
    return std::nullopt;
}

ChosenRules choose(Preset preset, const Choices& choices) {
    const PresetInfo& info = presetInfo(preset);
    RuleSet rules = info.defaults;
    rules.seats = choices.seats.value_or(info.defaultSeats);
    if (rules.seats < info.minSeats || rules.seats > info.maxSeats)
        return {std::nullopt, std::string(info.title) + " seats " + std::to_string(info.minSeats) +
                                  " to " + std::to_string(info.maxSeats)};
    if (choices.partners.has_value() && *choices.partners != info.defaults.partners) {
        if (!info.partnersChoice)
            return {std::nullopt, std::string(info.title) + " has no choice of partnerships"};
        if (*choices.partners && rules.seats != 4)
            return {std::nullopt, "partnerships need four seats"};
    }
    rules.partners = choices.partners.value_or(info.defaults.partners) && rules.seats == 4;
    rules.dealEach = rules.seats == 2 ? info.dealForTwo : info.dealForMore;
    if (choices.target.has_value()) {
        if (*choices.target <= 0 || std::find(info.targets.begin(), info.targets.end(),
                                              *choices.target) == info.targets.end())
            return {std::nullopt, std::string(info.title) + " has no target of " +
                                      std::to_string(*choices.target)};
        rules.target = *choices.target;
    }
    if (choices.exactTarget.value_or(false) && !info.exactChoice)
        return {std::nullopt, std::string(info.title) + " has no exact target"};
    rules.exactTarget = choices.exactTarget.value_or(info.defaults.exactTarget);
    if (choices.opponentsOnly.value_or(false)) {
        if (!info.awardChoice)
            return {std::nullopt, std::string(info.title) + " has no choice of award"};
        rules.award = Award::OpponentsHands;
    }
    return {rules, {}};
}

} // namespace pipwright::rules
