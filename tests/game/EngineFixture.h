#pragma once

#include "game/Engine.h"
#include "game/Geometry.h"
#include "tests/support/FakeWindow.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>
#include <vector>

namespace pipwright::testing {

// Stands in for the computer: counts the calls and, when asked to, draws its
// seven from the first face-down slots.
class StubComputer : public ComputerSeat {
public:
    explicit StubComputer(Engine& engine) : engine_(engine) {}
    void ComputerSelects7Dominos() override;
    void ComputerSetDomino() override { ++setDominoCalls; }
    void GameStatus4() override;

    int selectCalls = 0;
    int setDominoCalls = 0;
    int turnCalls = 0;

private:
    Engine& engine_;
};

class EngineTest : public ::testing::Test {
protected:
    EngineTest();

    GameState& s() { return engine.state(); }

    void clickBoneYard(int slot);
    void clickHand(int slot);
    void clickEnd(bool left);
    // A game in the player's turn with the given hand and line (pairs as laid
    // outward from the Set Domino; the Set Domino is set as (a, b)).
    void setUpTurn(std::pair<int, int> setDomino, std::initializer_list<std::pair<int, int>> hand,
                   std::initializer_list<std::pair<int, int>> computerHand = {{6, 6}});
    // A round about to be checked for its end: the dominoes each side has left
    // (an empty hand holds one empty slot), the scores, and whether both are blocked.
    void setUpRoundEnd(const std::vector<std::pair<int, int>>& playerHand,
                       const std::vector<std::pair<int, int>>& computerHand, long playerScore,
                       long computerScore, bool blocked);

    FakeWindow window;
    ScriptedRandom random;
    Engine engine{window, random};
    StubComputer computer{engine};
};

} // namespace pipwright::testing
