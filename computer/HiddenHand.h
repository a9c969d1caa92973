#pragma once

#include "computer/Playout.h"
#include "game/TableView.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pipwright::master {

// What the table has shown about the other side's hand: groups of its
// dominoes, oldest first, each with the dominoes it cannot be. A draw or a
// pass shows that every domino held then lacks both open ends; a domino drawn
// afterwards is free of that. Nothing is read from the way the other side
// chooses its moves.
struct HiddenHand {
    struct Group {
        int count = 0;
        DominoSet excluded = 0;
    };
    std::vector<Group> groups;
};

HiddenHand inferHiddenHand(const TableView& view);

// The dominoes the viewer has not seen: not in its hand, not on the line.
DominoSet unseenDominoes(const TableView& view);

// One deal of the unseen dominoes that fits what the table has shown: the
// other side's hand, and the BoneYard in a random drawing order.
struct Deal {
    DominoSet other = 0;
    std::array<std::uint8_t, 28> boneYard{};
    int boneYardCount = 0;
};
Deal dealUnseen(DominoSet unseen, const HiddenHand& hidden, SearchRandom& random);

} // namespace pipwright::master
