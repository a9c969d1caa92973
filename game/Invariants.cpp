#include "game/Invariants.h"

#include "game/DominoCensus.h"

#include <array>

namespace pipwright {

namespace {

int dominoIndex(int a, int b) {
    return a <= b ? a * 7 + b : b * 7 + a;
}

class Census {
public:
    // where() names the place, built only when something is wrong there.
    template <typename Where>
    void add(int a, int b, Where where, std::vector<std::string>& faults) {
        if (a < 0 || a > 6 || b < 0 || b > 6) {
            faults.push_back(where() + " holds " + std::to_string(a) + "-" + std::to_string(b));
            return;
        }
        if (++seen_[dominoIndex(a, b)] == 2)
            faults.push_back(std::to_string(a) + "-" + std::to_string(b) + " is in two places (" +
                             where() + ")");
    }
    int distinct() const {
        int n = 0;
        for (int a = 0; a <= 6; ++a)
            for (int b = a; b <= 6; ++b)
                n += seen_[dominoIndex(a, b)] > 0;
        return n;
    }

private:
    std::array<int, 49> seen_{};
};

void addHand(const HandTable& hand, int count, const char* name, Census& census,
             std::vector<std::string>& faults) {
    for (int i = 1; i <= count; ++i) {
        Integer a = hand(i, 1), b = hand(i, 2);
        if ((a == NoHalf) != (b == NoHalf))
            faults.push_back(std::string(name) + " slot " + std::to_string(i) + " is half empty");
        else if (a != NoHalf)
            census.add(
                a, b, [&] { return std::string(name) + " slot " + std::to_string(i); }, faults);
    }
}

// The same rules with nothing named: a state that keeps them all, the common
// case, is checked without building a single text.

// Dominoes out of the BoneYard while who plays first is drawn: two for each
// tied draw, and the player's own while the computer draws.
bool drawForFirstPlayCount(int missing, Integer phase) {
    return missing % 2 == (phase == 9 ? 1 : 0);
}

int cell(const Variant& v) {
    return static_cast<int>(v.toLong());
}

// boneYard: the census of s's BoneYard.
bool quickHolds(const GameState& s, const DominoCensus& boneYard) {
    const Integer phase = s.GameStatus;
    if (phase < 0 || (phase > 4 && phase != 9 && phase != 10))
        return false;
    if (s.Playerdom < 0 || s.Playerdom > HandLimit || s.ComputerDom < 0 ||
        s.ComputerDom > HandLimit)
        return false;
    if (s.PlayerScore.toLong() % 5 != 0 || s.PlayerScore < 0 || s.ComputerScore % 5 != 0 ||
        s.ComputerScore < 0)
        return false;
    DominoCensus census = boneYard;
    if (phase == 0 || phase == 9)
        return census.sound() && drawForFirstPlayCount(SetSize - census.distinct(), phase);
    census.addSlots(s.PlayerArray, s.Playerdom);
    if (phase != 1 || s.ComputerHasSeven == True)
        census.addSlots(s.ComputerArray, s.ComputerDom);
    if (phase == 3 || phase == 4) {
        const long left = s.Dominoleft.toLong();
        const int right = s.DominoRight;
        if (left < 1 || left > SetSize || right < 1 || right > SetSize)
            return false;
        if (cell(s.gameleftarray(1, 2)) != s.GameRightArray(1, 3) ||
            cell(s.gameleftarray(1, 3)) != s.GameRightArray(1, 2))
            return false;
        int previous = 0;
        for (int n = 1; n <= left; ++n) {
            const int inner = cell(s.gameleftarray(n, 2));
            const int outer = cell(s.gameleftarray(n, 3));
            if (cell(s.gameleftarray(n, 1)) != n || (n >= 2 && inner != previous) ||
                !census.addLaid(inner, outer))
                return false;
            previous = outer;
        }
        for (int n = 1; n <= right; ++n) {
            if (s.GameRightArray(n, 1) != n)
                return false;
            if (n >= 2 && (s.GameRightArray(n, 2) != s.GameRightArray(n - 1, 3) ||
                           !census.addLaid(s.GameRightArray(n, 2), s.GameRightArray(n, 3))))
                return false;
        }
    }
    return census.whole();
}

DominoCensus boneYardCensus(const HandTable& boneYard) {
    DominoCensus census;
    census.addSlots(boneYard, SetSize);
    return census;
}

std::vector<std::string> namedFaults(const GameState& s) {
    std::vector<std::string> faults;
    const Integer phase = s.GameStatus;
    if (phase != 0 && phase != 1 && phase != 2 && phase != 3 && phase != 4 && phase != 9 &&
        phase != 10)
        faults.push_back("phase " + std::to_string(phase));
    if (s.Playerdom < 0 || s.Playerdom > HandLimit)
        faults.push_back("Playerdom " + std::to_string(s.Playerdom));
    if (s.ComputerDom < 0 || s.ComputerDom > HandLimit)
        faults.push_back("ComputerDom " + std::to_string(s.ComputerDom));
    if (s.PlayerScore.toLong() % 5 != 0 || s.PlayerScore < 0)
        faults.push_back("PlayerScore " + std::to_string(s.PlayerScore.toLong()));
    if (s.ComputerScore % 5 != 0 || s.ComputerScore < 0)
        faults.push_back("ComputerScore " + std::to_string(s.ComputerScore));
    if (!faults.empty())
        return faults;

    Census census;
    for (int i = 1; i <= SetSize; ++i) {
        Integer a = s.BoneYardArray(i, 1), b = s.BoneYardArray(i, 2);
        if ((a == NoHalf) != (b == NoHalf))
            faults.push_back("BoneYard slot " + std::to_string(i) + " is half taken");
        else if (a != NoHalf)
            census.add(
                a, b, [i] { return "BoneYard slot " + std::to_string(i); }, faults);
    }
    // While who plays first is drawn, the hands mean nothing yet.
    if (phase == 0 || phase == 9) {
        if (!drawForFirstPlayCount(SetSize - census.distinct(), phase))
            faults.emplace_back("the BoneYard lacks dominoes before the draw");
        return faults;
    }
    addHand(s.PlayerArray, s.Playerdom, "player", census, faults);
    if (phase != 1 || s.ComputerHasSeven == True)
        addHand(s.ComputerArray, s.ComputerDom, "computer", census, faults);

    if (phase == 3 || phase == 4) {
        const long left = s.Dominoleft.toLong();
        const int right = s.DominoRight;
        if (left < 1 || left > SetSize || right < 1 || right > SetSize) {
            faults.push_back("arm counts " + std::to_string(left) + " and " +
                             std::to_string(right));
            return faults;
        }
        if (s.gameleftarray(1, 2).toLong() != s.GameRightArray(1, 3) ||
            s.gameleftarray(1, 3).toLong() != s.GameRightArray(1, 2))
            faults.emplace_back("the two arms disagree on the Set Domino");
        for (long n = 1; n <= left; ++n) {
            if (s.gameleftarray(n, 1).toLong() != n)
                faults.push_back("left entry " + std::to_string(n) + " has a wrong index");
            if (n >= 2 && s.gameleftarray(n, 2).toLong() != s.gameleftarray(n - 1, 3).toLong())
                faults.push_back("left entry " + std::to_string(n) + " does not match");
            census.add(
                static_cast<int>(s.gameleftarray(n, 2).toLong()),
                static_cast<int>(s.gameleftarray(n, 3).toLong()),
                [n] { return "left entry " + std::to_string(n); }, faults);
        }
        for (int n = 1; n <= right; ++n) {
            if (s.GameRightArray(n, 1) != n)
                faults.push_back("right entry " + std::to_string(n) + " has a wrong index");
            if (n >= 2) {
                if (s.GameRightArray(n, 2) != s.GameRightArray(n - 1, 3))
                    faults.push_back("right entry " + std::to_string(n) + " does not match");
                census.add(
                    s.GameRightArray(n, 2), s.GameRightArray(n, 3),
                    [n] { return "right entry " + std::to_string(n); }, faults);
            }
        }
    }
    if (census.distinct() != SetSize)
        faults.push_back(std::to_string(SetSize - census.distinct()) + " dominoes are missing");
    return faults;
}

} // namespace

std::vector<std::string> checkInvariants(const GameState& s) {
    if (quickHolds(s, boneYardCensus(s.BoneYardArray)))
        return {};
    return namedFaults(s);
}

std::vector<std::string> InvariantWatch::check(const GameState& s) {
    if (!boneYard_ || *boneYard_ != s.BoneYardArray) {
        boneYard_ = s.BoneYardArray;
        boneYardCensus_ = boneYardCensus(s.BoneYardArray);
    }
    if (quickHolds(s, boneYardCensus_))
        return {};
    return namedFaults(s);
}

} // namespace pipwright
