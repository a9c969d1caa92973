#pragma once

#include <cstdint>
#include <vector>

namespace pipwright {

enum class Seat : std::uint8_t { Player, Computer };

inline Seat otherSeat(Seat seat) {
    return seat == Seat::Player ? Seat::Computer : Seat::Player;
}

// One thing a side did in the open during a round's play. A draw or a pass
// tells the table that the side held nothing matching the ends open then.
struct TableEvent {
    enum class Kind : std::uint8_t { Laid, Drew, Passed };
    Kind kind = Kind::Laid;
    Seat seat = Seat::Player;
    std::int8_t a = 0, b = 0;        // the domino laid; unused for a draw or a pass
    std::int8_t left = 7, right = 7; // the open ends before the event; 7 before the Set Domino
    friend bool operator==(const TableEvent&, const TableEvent&) = default;
};

// What both sides saw happen since the round's BoneYard was shuffled.
using RoundHistory = std::vector<TableEvent>;

} // namespace pipwright
