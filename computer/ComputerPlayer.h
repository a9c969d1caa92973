#pragma once

#include "computer/MasterSeeds.h"
#include "computer/MoveChoice.h"
#include "game/ComputerSeat.h"

#include <cstdint>
#include <vector>

namespace pipwright {

class Engine;

// The computer's seat at the table: its seven, its Set Domino and its turns,
// played through the engine's state, painting and scoring.
class ComputerPlayer : public ComputerSeat {
public:
    // The Master's searches draw from a generator of their own, seeded from
    // the game's seed.
    explicit ComputerPlayer(Engine& engine, std::uint64_t gameSeed = 0)
        : engine_(engine), masterSeeds_(gameSeed) {}

    void ComputerSelects7Dominos() override;
    void ComputerSetDomino() override;
    void GameStatus4() override;

    // Keeps the processor time of each of the Master's decisions, in
    // milliseconds, while a list is given.
    void timeDecisions(std::vector<double>* times) { decisionTimes_ = times; }

    // The Master's generator, which the hint shares.
    MasterSeeds& masterSeeds() { return masterSeeds_; }

private:
    bool expert() const;
    bool master() const;
    std::optional<Move> masterMove();
    HandView myHand() const;
    HandView playersHand() const;
    // Picks a random face-down BoneYard slot and erases its square.
    int takeFromBoneYard();
    void lay(const Move& move);
    void drawUntilMove();
    void handBack();
    void setTimer(bool enabled);

    Engine& engine_;
    MasterSeeds masterSeeds_;
    std::vector<double>* decisionTimes_ = nullptr;
};

} // namespace pipwright
