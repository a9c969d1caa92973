#pragma once

#include "game/GameState.h"
#include "game/Random.h"

#include <optional>
#include <string_view>

namespace pipwright {

// One side's hand as the choices see it: slots 1 to count of a hand table.
struct HandView {
    const HandTable& slots;
    int count;
};

// The open halves of the line and the halves behind them; an end is a double
// when its two halves are equal.
struct LineEnds {
    int L = 0, L2 = 0, R = 0, R2 = 0;
};
LineEnds lineEnds(const GameState& s);

// A domino to lay: the hand slot, the end, and the halves of the new arm entry.
struct Move {
    int slot = 0;
    End end = End::Left;
    int inner = 0;         // touches the line (column 2)
    int outer = 0;         // left open (column 3)
    std::string_view rule; // "1a" .. "7d", the rule that chose it
    friend bool operator==(const Move&, const Move&) = default;
};

// The move on a turn: the expert's scoring and blocking scans 1 to 5 first,
// then for both levels the first double that fits, then the first domino that
// fits. `theirs` is the hand the blocking scan looks into.
std::optional<Move> chooseMove(HandView mine, HandView theirs, LineEnds ends, bool expert);

// After a draw only the first domino that fits, over the whole hand.
std::optional<Move> chooseAfterDraw(HandView mine, LineEnds ends);

// How the Set Domino was found, in the order the steps are tried.
enum class SetStep { FiveOrTen = 1, HeaviestDouble, Unanswerable, Random, Master };

struct SetChoice {
    int slot = 0; // 0 only for an empty hand
    SetStep step = SetStep::Random;
    friend bool operator==(const SetChoice&, const SetChoice&) = default;
};

// The Set Domino: a total of 5 or 10 (expert), the heaviest double, a domino
// the other side cannot answer (expert), else a random slot.
SetChoice chooseSetDomino(HandView mine, HandView theirs, bool expert, RandomSource& random);

} // namespace pipwright
