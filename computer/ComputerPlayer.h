#pragma once

#include "computer/MoveChoice.h"
#include "game/ComputerSeat.h"

#include <string>

namespace pipwright {

class Engine;

// The computer's seat at the table: its seven, its Set Domino and its turns,
// played through the engine's state, painting and scoring.
class ComputerPlayer : public ComputerSeat {
public:
    explicit ComputerPlayer(Engine& engine) : engine_(engine) {}

    void ComputerSelects7Dominos() override;
    void ComputerSetDomino() override;
    void GameStatus4() override;

    // The message box shown when a draw would need a nineteenth slot.
    static constexpr const char* HandLimitTitle = "The Computer Exceeded 18 Dominos..";
    static std::string handLimitText(const std::string& playerName);

private:
    bool expert() const;
    HandView myHand() const;
    HandView playersHand() const;
    // Picks a random face-down BoneYard slot and erases its square.
    int takeFromBoneYard();
    void lay(const Move& move);
    void drawUntilMove();
    void handBack();
    void setTimer(bool enabled);

    Engine& engine_;
};

} // namespace pipwright
