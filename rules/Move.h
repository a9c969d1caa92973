#pragma once

#include "rules/Domino.h"
#include "rules/Line.h"

#include <array>
#include <cstdint>

namespace pipwright::rules {

// What the seat to play does: lay a domino on an end (First starts the line),
// draw one from the BoneYard, or pass.
struct Move {
    enum class Kind : std::uint8_t { Lay, Draw, Pass };
    Kind kind = Kind::Pass;
    Domino domino{};
    End end = End::First;

    static constexpr Move lay(Domino domino, End end) { return Move{Kind::Lay, domino, end}; }
    static constexpr Move draw() { return Move{Kind::Draw, {}, End::First}; }
    static constexpr Move pass() { return Move{Kind::Pass, {}, End::First}; }
    friend constexpr bool operator==(const Move&, const Move&) = default;
};

// The legal moves of one seat: lays in domino order (left end before right),
// or a single draw or pass. A lay needs one place per end of each domino held.
class MoveList {
public:
    static constexpr int Capacity = 2 * DominoCount;
    void push(const Move& move) { moves_[size_++] = move; }
    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const Move& operator[](int i) const { return moves_[i]; }
    const Move* begin() const { return moves_.data(); }
    const Move* end() const { return moves_.data() + size_; }
    bool contains(const Move& move) const;

private:
    std::array<Move, Capacity> moves_{};
    int size_ = 0;
};

} // namespace pipwright::rules
