#include "TableSetup.h"

#include <sstream>

namespace pipwright::rules {

std::vector<Domino> dominoes(const std::string& text) {
    std::vector<Domino> out;
    std::istringstream in(text);
    std::string word;
    while (in >> word)
        out.push_back(Domino::of(word[0] - '0', word[2] - '0'));
    return out;
}

DominoSet setOf(const std::string& text) {
    DominoSet set;
    for (const Domino d : dominoes(text))
        set.insert(d);
    return set;
}

Game tableAt(const TableSetup& setup) {
    SeatView view;
    view.rules = setup.rules;
    view.seat = 0;
    HiddenDeal deal;
    DominoSet placed;
    for (std::size_t seat = 0; seat < setup.hands.size(); ++seat) {
        deal.hands[seat] = setOf(setup.hands[seat]);
        view.handCounts[seat] = deal.hands[seat].size();
        placed = placed | deal.hands[seat];
    }
    view.hand = deal.hands[0];
    for (const auto& [text, end] : setup.line) {
        view.line.lay(dominoes(text).front(), end);
        placed.insert(dominoes(text).front());
    }
    for (const Domino d : dominoes(setup.boneYard)) {
        deal.boneYard[deal.boneYardCount++] = d;
        placed.insert(d);
    }
    view.boneYardCount = deal.boneYardCount;
    deal.outOfPlay = DominoSet::whole().without(placed);
    view.outOfPlayCount = deal.outOfPlay.size();
    view.scores = setup.scores;
    view.turn = setup.turn;
    view.leader = setup.leader;
    view.passesInRow = setup.passes;
    return Game::fromView(view, deal, 1);
}

RuleSet presetRules(Preset preset, int seats, bool partners) {
    Choices choices;
    choices.seats = seats;
    choices.partners = partners;
    return *choose(preset, choices).rules;
}

} // namespace pipwright::rules
