#include "session/TableSheet.h"

namespace pipwright::session {

void TableSheet::newGame(const rules::RuleSet& rules) {
    rules_ = rules;
    entries_.clear();
    lastTotals_ = {};
    ++fresh_;
}

void TableSheet::handDealt(int number) {
    entries_.emplace_back(HandBegins{number});
}

void TableSheet::note(const rules::Event& event) {
    if (const auto* laid = std::get_if<rules::Laid>(&event)) {
        if (laid->score > 0)
            entries_.emplace_back(Count{*laid});
    } else if (const auto* ended = std::get_if<rules::HandEnded>(&event)) {
        entries_.emplace_back(HandEnd{*ended});
        lastTotals_ = ended->totals;
    } else if (const auto* won = std::get_if<rules::GameEnded>(&event)) {
        entries_.emplace_back(Winner{*won, lastTotals_});
    }
}

std::string sheetFault(const TableSheet& sheet, const std::array<int, rules::MaxSeats>& scores,
                       int winningSide) {
    const int sides = rules::sideCount(sheet.rules());
    std::array<int, rules::MaxSeats> running{};
    int hand = 0, winners = 0, sheetWinner = -1;
    for (const TableSheet::Entry& entry : sheet.entries()) {
        if (const auto* begins = std::get_if<TableSheet::HandBegins>(&entry))
            hand = begins->number;
        if (const auto* count = std::get_if<TableSheet::Count>(&entry))
            running[std::size_t(rules::sideOf(sheet.rules(), count->laid.seat))] +=
                count->laid.score;
        if (const auto* end = std::get_if<TableSheet::HandEnd>(&entry)) {
            if (end->ended.winner != rules::NoSeat)
                running[std::size_t(rules::sideOf(sheet.rules(), end->ended.winner))] +=
                    end->ended.award;
            for (int side = 0; side < sides; ++side)
                if (end->ended.totals[std::size_t(side)] != running[std::size_t(side)])
                    return "hand " + std::to_string(hand) + ": side " + std::to_string(side + 1) +
                           "'s total " + std::to_string(end->ended.totals[std::size_t(side)]) +
                           " is not the sheet's sum " + std::to_string(running[std::size_t(side)]);
        }
        if (const auto* won = std::get_if<TableSheet::Winner>(&entry)) {
            ++winners;
            sheetWinner = won->won.side;
        }
    }
    for (int side = 0; side < sides; ++side)
        if (running[std::size_t(side)] != scores[std::size_t(side)])
            return "side " + std::to_string(side + 1) + " scored " +
                   std::to_string(scores[std::size_t(side)]) + " but its sheet adds up to " +
                   std::to_string(running[std::size_t(side)]);
    if (winners > 1)
        return "the sheet names " + std::to_string(winners) + " winners";
    if (sheetWinner != winningSide)
        return "the sheet's winner is side " + std::to_string(sheetWinner + 1) +
               " but the game's is side " + std::to_string(winningSide + 1);
    if (winners == 1 && !std::holds_alternative<TableSheet::Winner>(sheet.entries().back()))
        return "the winner is not the sheet's last line";
    return {};
}

} // namespace pipwright::session
