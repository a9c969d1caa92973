#include "rules/RuleSet.h"

#include "rules/Domino.h"

namespace pipwright::rules {

std::string whyUnplayable(const RuleSet& rules) {
    if (rules.seats < 2 || rules.seats > 4)
        return "a table seats two to four";
    if (rules.partners && rules.seats != 4)
        return "partnerships need four seats";
    if (rules.dealEach < 1 || rules.dealEach * rules.seats > DominoCount)
        return "the deal does not fit the set";
    if (rules.target < 1)
        return "the target must be above 0";
    return {};
}

int sideCount(const RuleSet& rules) {
    return rules.partners ? 2 : rules.seats;
}

int sideOf(const RuleSet& rules, int seat) {
    return rules.partners ? seat % 2 : seat;
}

int firstSeatOf(const RuleSet&, int side) {
    return side;
}

} // namespace pipwright::rules
