#include "storage/table/RecordWriter.h"

#include "rules/Presets.h"

#include <variant>

namespace pipwright::tables {

namespace {

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

const char* endName(rules::End end) {
    switch (end) {
    case rules::End::Left:
        return "left";
    case rules::End::Right:
        return "right";
    case rules::End::First:
        break;
    }
    return "first";
}

const char* howName(rules::HandEnd how) {
    switch (how) {
    case rules::HandEnd::Out:
        return "out";
    case rules::HandEnd::Blocked:
        return "blocked";
    case rules::HandEnd::Target:
        break;
    }
    return "target";
}

// Numbers joined by commas: "12,0,7".
template <typename Numbers> void list(std::ostream& out, const Numbers& numbers, int count) {
    for (int i = 0; i < count; ++i)
        out << (i ? "," : "") << numbers[i];
}

} // namespace

void RecordWriter::game(const rules::RuleSet& rules, std::uint64_t seed) {
    out_ << "game " << rules::presetInfo(rules.preset).name << " seats=" << rules.seats
         << " partners=" << yesNo(rules.partners) << " target=" << rules.target
         << " exact=" << yesNo(rules.exactTarget)
         << " award=" << (rules.award == rules::Award::OpponentsHands ? "opponents" : "all")
         << " seed=" << seed << '\n';
}

void RecordWriter::hand(const rules::Game& game) {
    const rules::RuleSet& rules = game.rules();
    out_ << "hand " << game.handNumber() << " lead=" << game.leader() + 1 << '\n';
    const auto& order = game.dealOrder();
    int i = 0;
    for (int seat = 0; seat < rules.seats; ++seat) {
        out_ << "deal " << seat + 1;
        for (int k = 0; k < rules.dealEach; ++k)
            out_ << ' ' << rules::toText(order[i++]);
        out_ << '\n';
    }
    out_ << "rest";
    for (; i < rules::DominoCount; ++i)
        out_ << ' ' << rules::toText(order[i]);
    out_ << '\n';
}

void RecordWriter::events(const rules::Game& after, const rules::Outcome& outcome) {
    const rules::RuleSet& rules = after.rules();
    for (const rules::Event& event : outcome) {
        if (const auto* laid = std::get_if<rules::Laid>(&event)) {
            out_ << "lay " << laid->seat + 1 << ' ' << rules::toText(laid->domino) << ' '
                 << endName(laid->end) << " ends=" << laid->left << ',' << laid->right
                 << " score=" << laid->score << '\n';
        } else if (const auto* drew = std::get_if<rules::Drew>(&event)) {
            out_ << "draw " << drew->seat + 1 << ' ' << rules::toText(drew->domino) << '\n';
        } else if (const auto* passed = std::get_if<rules::Passed>(&event)) {
            out_ << "pass " << passed->seat + 1 << '\n';
        } else if (const auto* ended = std::get_if<rules::HandEnded>(&event)) {
            out_ << "end " << howName(ended->how) << " winner=";
            if (ended->winner == rules::NoSeat)
                out_ << "none";
            else
                out_ << ended->winner + 1;
            out_ << " award=" << ended->award << " pips=";
            list(out_, ended->pips, rules.seats);
            out_ << "\ntotal ";
            list(out_, ended->totals, rules::sideCount(rules));
            out_ << '\n';
        } else if (const auto* won = std::get_if<rules::GameEnded>(&event)) {
            out_ << "winner " << won->firstSeat + 1 << '\n';
        }
    }
}

} // namespace pipwright::tables
