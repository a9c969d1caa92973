#include "tests/game/EngineFixture.h"

namespace pipwright::testing {

void StubComputer::ComputerSelects7Dominos() {
    ++selectCalls;
    GameState& s = engine_.state();
    int taken = 0;
    for (int slot = 1; slot <= SetSize && taken < 7; ++slot) {
        if (s.BoneYardArray(slot, 1) == NoHalf)
            continue;
        ++taken;
        s.ComputerArray(taken, 1) = s.BoneYardArray(slot, 1);
        s.ComputerArray(taken, 2) = s.BoneYardArray(slot, 2);
        s.BoneYardArray(slot, 1) = NoHalf;
        s.BoneYardArray(slot, 2) = NoHalf;
    }
    s.ComputerHasSeven = True;
    s.GameStatus = Phase::DrawingSeven;
}

void StubComputer::GameStatus4() {
    ++turnCalls;
    engine_.state().GameStatus = Phase::PlayersTurn;
}

EngineTest::EngineTest() {
    engine.setComputer(&computer);
    engine.Form_Load(Metrics{});
    s().PlayerName = "Ann";
    engine.Form_Activate();
}

void EngineTest::clickBoneYard(int slot) {
    Rect r = boneYardSquare(slot, s().BoneYardTop);
    engine.BoneYardPic_MouseDown((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    engine.BoneYardPic_Click();
}

void EngineTest::clickHand(int slot) {
    engine.PlayersPic_MouseDown(handSlotLeft(slot) + 150, s().PlayerHandTop + 300);
    engine.PlayersPic_Click();
}

void EngineTest::clickEnd(bool left) {
    const Rect r = s().endRect(left ? End::Left : End::Right);
    engine.ViewPic_MouseDown((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    engine.ViewPic_Click();
}

void EngineTest::setUpTurn(std::pair<int, int> setDomino,
                           std::initializer_list<std::pair<int, int>> hand,
                           std::initializer_list<std::pair<int, int>> computerHand) {
    GameState& st = s();
    auto [a, b] = setDomino;
    st.Dominoleft = Variant::integer(1);
    st.gameleftarray(1, 1) = Variant::integer(1);
    st.gameleftarray(1, 2) = Variant::integer(static_cast<Integer>(b));
    st.gameleftarray(1, 3) = Variant::integer(static_cast<Integer>(a));
    st.DominoRight = 1;
    st.GameRightArray(1, 1) = 1;
    st.GameRightArray(1, 2) = static_cast<Integer>(a);
    st.GameRightArray(1, 3) = static_cast<Integer>(b);
    engine.TheSetDomino();
    st.Playerdom = 0;
    for (auto [x, y] : hand) {
        ++st.Playerdom;
        st.PlayerArray(st.Playerdom, 1) = static_cast<Integer>(x);
        st.PlayerArray(st.Playerdom, 2) = static_cast<Integer>(y);
    }
    st.ComputerDom = 0;
    for (auto [x, y] : computerHand) {
        ++st.ComputerDom;
        st.ComputerArray(st.ComputerDom, 1) = static_cast<Integer>(x);
        st.ComputerArray(st.ComputerDom, 2) = static_cast<Integer>(y);
    }
    st.GameStatus = Phase::PlayersTurn;
    window.clearHistory();
}

void EngineTest::setUpRoundEnd(const std::vector<std::pair<int, int>>& playerHand,
                               const std::vector<std::pair<int, int>>& computerHand,
                               long playerScore, long computerScore, bool blocked) {
    setUpTurn({2, 5}, {});
    auto fill = [](HandTable& t, Integer& count, const std::vector<std::pair<int, int>>& hand) {
        count = 1;
        t(1, 1) = t(1, 2) = NoHalf;
        for (std::size_t i = 0; i < hand.size(); ++i) {
            count = static_cast<Integer>(i + 1);
            t(count, 1) = static_cast<Integer>(hand[i].first);
            t(count, 2) = static_cast<Integer>(hand[i].second);
        }
    };
    fill(s().PlayerArray, s().Playerdom, playerHand);
    fill(s().ComputerArray, s().ComputerDom, computerHand);
    s().PlayerScore = Variant::whole(playerScore);
    s().ComputerScore = static_cast<Integer>(computerScore);
    if (blocked) {
        s().PlayerCantPlay = Variant::boolean(true);
        s().ComputerCantPlay = True;
    }
}

} // namespace pipwright::testing
