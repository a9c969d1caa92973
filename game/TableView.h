#pragma once

#include "game/RoundHistory.h"

#include <vector>

namespace pipwright {

// A domino in the viewer's own hand, with the slot it sits in.
struct HeldDomino {
    int slot = 0;
    int a = 0, b = 0;
    friend bool operator==(const HeldDomino&, const HeldDomino&) = default;
};

// What one side sees at the table, and nothing more: its own hand, the line,
// how many dominoes the other side and the BoneYard hold, the scores, the
// settings and the round so far. The other side's dominoes and the BoneYard's
// faces are not in it.
struct TableView {
    Seat seat = Seat::Computer;
    std::vector<HeldDomino> hand;
    // Open halves of the line and the halves behind them; 7 when no line yet.
    int L = 7, L2 = 7, R = 7, R2 = 7;
    struct Laid {
        int a = 0, b = 0;
        friend bool operator==(const Laid&, const Laid&) = default;
    };
    std::vector<Laid> line; // every domino on the line, the Set Domino once
    int otherCount = 0;     // dominoes in the other side's hand
    int boneYardCount = 0;
    int myScore = 0;
    int otherScore = 0;
    bool playTimerOn = false;
    bool winnerRestarts = false;
    RoundHistory history;
    bool lineStarted() const { return L != 7 && R != 7; }
    friend bool operator==(const TableView&, const TableView&) = default;
};

} // namespace pipwright
