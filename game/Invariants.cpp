#include "game/Invariants.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace pipwright {

namespace {

// How often each domino turns up in the places counted; an empty slot counts
// as the pair 7-7, which is no domino.
class Tally {
public:
    void add(int a, int b) {
        const int pair = std::min(a, b) * 8 + std::max(a, b);
        differentPairs_ += count_[pair]++ == 0;
        ++added_;
    }
    // How many different dominoes were found, and whether any was found twice.
    int dominoes() const { return differentPairs_ - (count_[EmptyPair] > 0 ? 1 : 0); }
    bool anyTwice() const { return added_ - count_[EmptyPair] != dominoes(); }
    int times(int lo, int hi) const { return count_[lo * 8 + hi]; }

private:
    static constexpr int EmptyPair = NoHalf * 8 + NoHalf;
    std::array<std::int16_t, 64> count_{};
    int differentPairs_ = 0;
    int added_ = 0;
};

// Slots 1 to count of a hand or of the BoneYard: each empty (7-7) or a domino.
void addSlots(const HandTable& slots, int count, const Text& place, Tally& tally,
              std::vector<Text>& faults) {
    for (int i = 1; i <= count; ++i) {
        const int a = slots(i, 1), b = slots(i, 2);
        if (a < 0 || a > NoHalf || b < 0 || b > NoHalf)
            faults.push_back(
                Text("SavedGame", "%1 slot %2 holds %3-%4").arg(place).arg(i).arg(a).arg(b));
        else if ((a == NoHalf) != (b == NoHalf))
            faults.push_back(Text("SavedGame", "%1 slot %2 is half empty").arg(place).arg(i));
        else
            tally.add(a, b);
    }
}

// The entries of an arm, each matching the one before. The right arm's first
// entry is the Set Domino again, counted once with the left arm's.
void addArm(const GameState& s, End end, int count, Tally& tally, std::vector<Text>& faults) {
    const bool left = end == End::Left;
    for (int n = 1; n <= count; ++n) {
        const int inner = s.armCell(end, n, Arm::Inner), outer = s.armCell(end, n, Arm::Outer);
        if (s.armCell(end, n, Arm::Index) != n)
            faults.push_back(left ? Text("SavedGame", "left entry %1 has a wrong index").arg(n)
                                  : Text("SavedGame", "right entry %1 has a wrong index").arg(n));
        if (n >= 2 && inner != s.armCell(end, n - 1, Arm::Outer))
            faults.push_back(left ? Text("SavedGame", "left entry %1 does not match").arg(n)
                                  : Text("SavedGame", "right entry %1 does not match").arg(n));
        if (inner < 0 || inner > 6 || outer < 0 || outer > 6)
            faults.push_back((left ? Text("SavedGame", "left entry %1 holds %2-%3")
                                   : Text("SavedGame", "right entry %1 holds %2-%3"))
                                 .arg(n)
                                 .arg(inner)
                                 .arg(outer));
        else if (left || n >= 2)
            tally.add(inner, outer);
    }
}

// Names every domino found twice; returns how many dominoes were found.
int judge(const Tally& tally, std::vector<Text>& faults) {
    if (tally.anyTwice())
        for (int lo = 0; lo <= 6; ++lo)
            for (int hi = lo; hi <= 6; ++hi)
                if (const int times = tally.times(lo, hi); times > 1)
                    faults.push_back(
                        Text("SavedGame", "%1-%2 is in %3 places").arg(lo).arg(hi).arg(times));
    return tally.dominoes();
}

// Dominoes out of the BoneYard while who plays first is drawn: two for each
// tied draw, and the player's own while the computer draws.
bool drawForFirstPlayCount(int missing, Integer phase) {
    return missing % 2 == (phase == Phase::ComputerDrawsFirst ? 1 : 0);
}

bool knownPhase(Integer phase) {
    for (Integer known :
         {Phase::DrawForFirstPlay, Phase::DrawingSeven, Phase::SetDomino, Phase::PlayersTurn,
          Phase::ComputersTurn, Phase::ComputerDrawsFirst, Phase::ComputerDrawsSeven})
        if (phase == known)
            return true;
    return false;
}

} // namespace

std::vector<Text> checkInvariants(const GameState& s) {
    std::vector<Text> faults;
    const Integer phase = s.GameStatus;
    if (!knownPhase(phase))
        faults.push_back(Text("SavedGame", "phase %1").arg(phase));
    if (s.Playerdom < 0 || s.Playerdom > HandLimit)
        faults.push_back(Text("SavedGame", "Playerdom %1").arg(s.Playerdom));
    if (s.ComputerDom < 0 || s.ComputerDom > HandLimit)
        faults.push_back(Text("SavedGame", "ComputerDom %1").arg(s.ComputerDom));
    if (s.PlayerScore.toLong() % 5 != 0 || s.PlayerScore < 0)
        faults.push_back(Text("SavedGame", "PlayerScore %1").arg(s.PlayerScore.toLong()));
    if (s.ComputerScore % 5 != 0 || s.ComputerScore < 0)
        faults.push_back(Text("SavedGame", "ComputerScore %1").arg(s.ComputerScore));
    if (!faults.empty())
        return faults;

    Tally tally;
    addSlots(s.BoneYardArray, SetSize, Text("SavedGame", "BoneYard"), tally, faults);
    // While who plays first is drawn, the hands mean nothing yet.
    if (phase == Phase::DrawForFirstPlay || phase == Phase::ComputerDrawsFirst) {
        if (!drawForFirstPlayCount(SetSize - judge(tally, faults), phase))
            faults.emplace_back(Text("SavedGame", "the BoneYard lacks dominoes before the draw"));
        return faults;
    }
    addSlots(s.PlayerArray, s.Playerdom, Text("SavedGame", "player"), tally, faults);
    if (phase != Phase::DrawingSeven || s.ComputerHasSeven == True)
        addSlots(s.ComputerArray, s.ComputerDom, Text("SavedGame", "computer"), tally, faults);

    if (phase == Phase::PlayersTurn || phase == Phase::ComputersTurn) {
        const long left = s.Dominoleft.toLong();
        const int right = s.DominoRight;
        if (left < 1 || left > SetSize || right < 1 || right > SetSize) {
            faults.push_back(Text("SavedGame", "arm counts %1 and %2").arg(left).arg(right));
            return faults;
        }
        if (s.armCell(End::Left, 1, Arm::Inner) != s.armCell(End::Right, 1, Arm::Outer) ||
            s.armCell(End::Left, 1, Arm::Outer) != s.armCell(End::Right, 1, Arm::Inner))
            faults.emplace_back(Text("SavedGame", "the two arms disagree on the Set Domino"));
        addArm(s, End::Left, static_cast<int>(left), tally, faults);
        addArm(s, End::Right, right, tally, faults);
    }
    const int missing = SetSize - judge(tally, faults);
    if (missing != 0)
        faults.push_back(Text("SavedGame", "%1 dominoes are missing").arg(missing));
    return faults;
}

} // namespace pipwright
