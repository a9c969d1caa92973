#pragma once

#include "rules/Game.h"
#include "rules/Random.h"
#include "rules/SeatView.h"

#include <vector>

namespace pipwright::table {

// Deals the dominoes a seat has not seen, as its record allows. A draw or a
// pass shows that every domino the seat held then lacks both open ends; a
// domino drawn afterwards is free of that. Partners' hands are as hidden as
// the opponents'; the BoneYard and the dominoes out of play are free.
class DealSampler {
public:
    // Some of one seat's dominoes, with the dominoes none of them can be.
    struct Group {
        int seat = 0;
        int count = 0;
        rules::DominoSet excluded;
    };

    explicit DealSampler(const rules::SeatView& view);
    const std::vector<Group>& groups() const { return groups_; }
    // One deal that agrees with the view and its record.
    rules::HiddenDeal sample(rules::SplitMix64& random) const;

private:
    // Fills the groups' dominoes at random; false when a guess left one short.
    bool fillAtRandom(rules::SplitMix64& random, std::vector<rules::DominoSet>& filled) const;
    // Fills the groups by matching, which always succeeds when the record holds.
    void fillByMatching(rules::SplitMix64& random, std::vector<rules::DominoSet>& filled) const;

    int seat_;
    rules::DominoSet hand_;
    int boneYardCount_;
    rules::DominoSet unseen_;
    std::vector<Group> groups_; // tightest first
};

} // namespace pipwright::table
