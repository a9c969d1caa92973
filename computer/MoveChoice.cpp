#include "computer/MoveChoice.h"

#include "rules/Scoring.h"

#include <algorithm>
#include <array>
#include <bitset>

namespace pipwright {

namespace {

int usedSlots(HandView hand) {
    return std::clamp(hand.count, 0, SetSize);
}

bool present(HandView hand, int i) {
    return hand.slots(i, 1) < NoHalf;
}

bool multipleOfFive(int total) {
    return rules::scoresFives(total);
}

// The halves a hand holds, one bit per value (7 for its empty slots).
class HalvesHeld {
public:
    explicit HalvesHeld(HandView hand) {
        for (int k = 1, n = usedSlots(hand); k <= n; ++k) {
            add(hand.slots(k, 1));
            add(hand.slots(k, 2));
        }
    }
    bool contains(int value) const { return inRange(value) && bits_.test(value); }

private:
    static bool inRange(int value) { return value >= 0 && value <= NoHalf; }
    void add(int value) {
        if (inRange(value))
            bits_.set(value);
    }
    std::bitset<NoHalf + 1> bits_;
};

Move left(int slot, int inner, int outer, std::string_view rule) {
    return Move{slot, End::Left, inner, outer, rule};
}

Move right(int slot, int inner, int outer, std::string_view rule) {
    return Move{slot, End::Right, inner, outer, rule};
}

// Scans 1 and 2: a double that makes the ends a multiple of five.
std::optional<Move> doubleScores(int i, int a, int b, const LineEnds& e, bool otherEndDouble) {
    if (a != b)
        return std::nullopt;
    if (otherEndDouble) {
        if (a == e.L && e.R2 == e.R && multipleOfFive(a + b + e.R + e.R2))
            return left(i, a, b, "1a");
        if (a == e.R && e.L2 == e.L && multipleOfFive(a + b + e.L + e.L2))
            return right(i, a, b, "1b");
        return std::nullopt;
    }
    if (a == e.L && multipleOfFive(a + b + e.R))
        return left(i, a, b, "2a");
    if (a == e.R && multipleOfFive(a + b + e.L))
        return right(i, a, b, "2b");
    return std::nullopt;
}

// Scan 3 (the other end a double) and scan 4 (it is not).
std::optional<Move> singleScores(int i, int a, int b, const LineEnds& e, bool otherEndDouble) {
    if (a == b)
        return std::nullopt;
    bool rightDouble = e.R2 == e.R;
    bool leftDouble = e.L2 == e.L;
    int rightCount = otherEndDouble ? e.R + e.R2 : e.R;
    int leftCount = otherEndDouble ? e.L + e.L2 : e.L;
    static constexpr std::array<std::string_view, 4> Scan3{"3a", "3b", "3c", "3d"};
    static constexpr std::array<std::string_view, 4> Scan4{"4a", "4b", "4c", "4d"};
    auto rule = [otherEndDouble](int k) { return otherEndDouble ? Scan3[k] : Scan4[k]; };
    if (rightDouble == otherEndDouble) {
        if (a == e.L && multipleOfFive(b + rightCount))
            return left(i, a, b, rule(0));
        if (b == e.L && multipleOfFive(a + rightCount))
            return left(i, b, a, rule(1));
    }
    if (leftDouble == otherEndDouble) {
        if (a == e.R && multipleOfFive(b + leftCount))
            return right(i, a, b, rule(2));
        if (b == e.R && multipleOfFive(a + leftCount))
            return right(i, b, a, rule(3));
    }
    return std::nullopt;
}

// Scan 5: a domino whose open half the other side cannot answer. One flag per
// slot: once a search finds an answer, the slot's later blocking rules fail.
std::optional<Move> blocks(int i, int a, int b, const LineEnds& e, const HalvesHeld& theirs) {
    bool answered = false;
    auto unanswered = [&](int open) {
        if (!answered && theirs.contains(open))
            answered = true;
        return !answered;
    };
    if (a == e.L && unanswered(b))
        return left(i, a, b, "5a");
    if (b == e.L && unanswered(a))
        return left(i, b, a, "5b");
    if (a == e.R && unanswered(b))
        return right(i, a, b, "5c");
    if (b == e.R && unanswered(a))
        return right(i, b, a, "5d");
    return std::nullopt;
}

std::optional<Move> doubleFits(int i, int a, int b, const LineEnds& e) {
    if (a == b && a == e.L)
        return left(i, a, b, "6a");
    if (a == b && a == e.R)
        return right(i, a, b, "6b");
    return std::nullopt;
}

std::optional<Move> fits(int i, int a, int b, const LineEnds& e) {
    if (a == e.L)
        return left(i, a, b, "7a");
    if (b == e.L)
        return left(i, b, a, "7b");
    if (a == e.R)
        return right(i, a, b, "7c");
    if (b == e.R)
        return right(i, b, a, "7d");
    return std::nullopt;
}

// The slots whose domino fits an open end, in hand order. Every rule asks
// for such a domino, so the scans need look at no other.
struct Candidates {
    HandView hand;
    std::array<int, SetSize> slots{};
    int count = 0;

    Candidates(HandView mine, const LineEnds& e) : hand(mine) {
        for (int i = 1, n = usedSlots(hand); i <= n; ++i) {
            const int a = hand.slots(i, 1), b = hand.slots(i, 2);
            if (a != NoHalf && (fitsEnd(a, b, e.L) || fitsEnd(a, b, e.R)))
                slots[count++] = i;
        }
    }

    // Runs one scan: the slots in order, the scan's rules for each.
    template <typename Rules> std::optional<Move> scan(Rules rules) const {
        for (int k = 0; k < count; ++k) {
            const int i = slots[k];
            if (auto move = rules(i, hand.slots(i, 1), hand.slots(i, 2)))
                return move;
        }
        return std::nullopt;
    }
};

} // namespace

LineEnds lineEnds(const GameState& s) {
    return LineEnds{s.openEnd(End::Left), s.innerHalf(End::Left), s.openEnd(End::Right),
                    s.innerHalf(End::Right)};
}

std::optional<Move> chooseMove(HandView mine, HandView theirs, LineEnds e, bool expert) {
    const Candidates hand(mine, e);
    if (hand.count == 0)
        return std::nullopt;
    if (expert) {
        for (bool otherEndDouble : {true, false})
            if (auto m = hand.scan(
                    [&](int i, int a, int b) { return doubleScores(i, a, b, e, otherEndDouble); }))
                return m;
        for (bool otherEndDouble : {true, false})
            if (auto m = hand.scan(
                    [&](int i, int a, int b) { return singleScores(i, a, b, e, otherEndDouble); }))
                return m;
        const HalvesHeld theirHalves(theirs);
        if (auto m =
                hand.scan([&](int i, int a, int b) { return blocks(i, a, b, e, theirHalves); }))
            return m;
    }
    if (auto m = hand.scan([&](int i, int a, int b) { return doubleFits(i, a, b, e); }))
        return m;
    return hand.scan([&](int i, int a, int b) { return fits(i, a, b, e); });
}

std::optional<Move> chooseAfterDraw(HandView mine, LineEnds e) {
    return Candidates(mine, e).scan([&](int i, int a, int b) { return fits(i, a, b, e); });
}

SetChoice chooseSetDomino(HandView mine, HandView theirs, bool expert, RandomSource& random) {
    int n = usedSlots(mine);
    if (n == 0)
        return {};
    if (expert) {
        for (int i = 1; i <= n; ++i) {
            int total = mine.slots(i, 1) + mine.slots(i, 2);
            if (present(mine, i) && (total == 10 || total == 5))
                return {i, SetStep::FiveOrTen};
        }
    }
    int heaviest = 0;
    int best = 0;
    for (int i = 1; i <= n; ++i) {
        int a = mine.slots(i, 1);
        if (present(mine, i) && a == mine.slots(i, 2) && a >= best) {
            best = a;
            heaviest = i;
        }
    }
    if (heaviest != 0)
        return {heaviest, SetStep::HeaviestDouble};
    if (expert) {
        const HalvesHeld theirHalves(theirs);
        for (int i = 1; i <= n; ++i)
            if (present(mine, i) && !theirHalves.contains(mine.slots(i, 1)) &&
                !theirHalves.contains(mine.slots(i, 2)))
                return {i, SetStep::Unanswerable};
    }
    return {random.draw(n), SetStep::Random};
}

} // namespace pipwright
