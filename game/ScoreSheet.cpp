#include "game/ScoreSheet.h"

#include <algorithm>
#include <utility>

namespace pipwright {

namespace {

long playerTotal(const GameState& s) {
    return s.PlayerScore.toLong();
}

std::vector<std::pair<int, int>> held(const HandTable& hand, int slots) {
    std::vector<std::pair<int, int>> dominoes;
    for (int i = 1; i <= std::clamp(slots, 0, SetSize); ++i)
        if (hand(i, 1) != NoHalf)
            dominoes.emplace_back(hand(i, 1), hand(i, 2));
    return dominoes;
}

} // namespace

void ScoreSheet::add(const SheetEntry& entry) {
    // A finished game stays on the sheet until the next one moves.
    if (gameOver_)
        startAfresh();
    entries_.push_back(entry);
    if (changed_)
        changed_();
}

void ScoreSheet::startAfresh() {
    entries_.clear();
    ++fresh_;
    rounds_ = 0;
    roundOpen_ = false;
    gameOver_ = false;
}

void ScoreSheet::beginRound() {
    if (gameOver_)
        startAfresh();
    roundOpen_ = true;
    add(RoundBegins{++rounds_});
}

void ScoreSheet::setScored(Seat seat, int a, int b, long points) {
    add(SetScored{seat, a, b, points});
}

void ScoreSheet::layScored(const LayScored& lay) {
    add(lay);
}

void ScoreSheet::roundEnds(RoundEnd how, Seat winner, long difference, long award,
                           const GameState& s) {
    roundOpen_ = false;
    RoundAward entry{how,        winner, s.PlayerPips.toLong(), s.ComputerPips,
                     difference, award,  playerTotal(s),        s.ComputerScore};
    entry.playerHeld = held(s.PlayerArray, s.Playerdom);
    entry.computerHeld = held(s.ComputerArray, s.ComputerDom);
    add(entry);
}

void ScoreSheet::gameWon(Seat winner, const GameState& s) {
    add(GameWon{winner, playerTotal(s), s.ComputerScore});
    gameOver_ = true;
}

void ScoreSheet::restart(SheetRestart::Why why, const GameState& s) {
    if (why == SheetRestart::Why::RoundRestarted) {
        // The round is played again under its own number.
        if (roundOpen_)
            --rounds_;
        roundOpen_ = false;
    } else {
        startAfresh();
    }
    add(SheetRestart{why, playerTotal(s), s.ComputerScore});
}

} // namespace pipwright
