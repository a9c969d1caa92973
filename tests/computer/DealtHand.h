#pragma once

#include "game/GameState.h"

namespace pipwright {

// Lays the dominoes, pairs of halves, into slots 1, 2, ... of a hand and
// empties the other slots; returns how many were laid.
template <typename Dominoes> Integer dealHand(HandTable& hand, const Dominoes& dominoes) {
    hand.fill(NoHalf);
    Integer count = 0;
    for (auto [a, b] : dominoes) {
        ++count;
        hand(count, 1) = static_cast<Integer>(a);
        hand(count, 2) = static_cast<Integer>(b);
    }
    return count;
}

} // namespace pipwright
