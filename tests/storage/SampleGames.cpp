#include "SampleGames.h"

#include <tuple>

namespace pipwright::samples {

namespace {

void dealInSetOrder(GameState& s) {
    int slot = 1;
    for (Integer a = 0; a <= 6; ++a) {
        for (Integer b = a; b <= 6; ++b, ++slot) {
            s.BoneYardArray(slot, 1) = a;
            s.BoneYardArray(slot, 2) = b;
        }
    }
    for (int i = 1; i <= SetSize; ++i) {
        for (int c = 1; c <= 9; ++c)
            s.gameleftarray(i, c) = Variant();
    }
}

// Moves BoneYard slot k into the next slot of a hand.
void take(GameState& s, HandTable& hand, Integer& count, int k) {
    ++count;
    hand(count, 1) = s.BoneYardArray(k, 1);
    hand(count, 2) = s.BoneYardArray(k, 2);
    s.BoneYardArray(k, 1) = NoHalf;
    s.BoneYardArray(k, 2) = NoHalf;
}

void play(HandTable& hand, int slot) {
    hand(slot, 1) = NoHalf;
    hand(slot, 2) = NoHalf;
}

void drawSevenEach(GameState& s) {
    s.ComputerDom = 0;
    for (int k = 1; k <= 7; ++k) {
        take(s, s.PlayerArray, s.Playerdom, 2 * k);
        take(s, s.ComputerArray, s.ComputerDom, 2 * k + 1);
    }
    s.PlayerHasSeven = Variant::boolean(true);
    s.ComputerHasSeven = True;
}

void setLeft(GameState& s, int i, Integer inner, Integer outer, int x, int y) {
    const int cells[] = {i, inner, outer, x, y, x + 600, y + 300};
    for (int c = 1; c <= 7; ++c)
        s.gameleftarray(i, c) = Variant::whole(cells[c - 1]);
}

void setRight(GameState& s, int i, Integer inner, Integer outer, int x, int y) {
    const int cells[] = {i, inner, outer, x, y, x + 600, y + 300};
    for (int c = 1; c <= 7; ++c)
        s.GameRightArray(i, c) = static_cast<Integer>(cells[c - 1]);
}

} // namespace

GameState freshGame() {
    GameState s;
    s.PlayerName = "Ann";
    s.BoneYardTop = 150;
    dealInSetOrder(s);
    return s;
}

GameState gameInPlay() {
    GameState s = freshGame();
    s.PlayerName = "Bob";
    drawSevenEach(s);
    take(s, s.PlayerArray, s.Playerdom, 20);     // 3-4
    take(s, s.ComputerArray, s.ComputerDom, 27); // 5-6
    // The line is 3-3, 5-3 (the Set Domino), 5-5: those three came out of the
    // BoneYard into the slots played, whose dealt dominoes stayed face down.
    for (auto [hand, slot, boneYardSlot, lineSlot] :
         {std::tuple{&s.PlayerArray, 2, 4, 19}, std::tuple{&s.PlayerArray, 5, 10, 21},
          std::tuple{&s.ComputerArray, 3, 7, 26}}) {
        for (int half = 1; half <= 2; ++half) {
            s.BoneYardArray(boneYardSlot, half) = (*hand)(slot, half);
            s.BoneYardArray(lineSlot, half) = NoHalf;
        }
        play(*hand, slot);
    }
    setLeft(s, 1, 5, 3, 4500, 1800);
    setLeft(s, 2, 3, 3, 3900, 1650);
    setRight(s, 1, 3, 5, 5100, 1800);
    setRight(s, 2, 5, 5, 5700, 1650);
    s.Dominoleft = Variant::integer(2);
    s.DominoRight = 2;
    s.LeftEndX = Variant::integer(3900);
    s.LeftEndY = 1800;
    s.RightEndX = Variant::whole(6300);
    s.RightEndY = 1800;
    s.plae = Variant::integer(9);
    s.clae = 4;
    s.WinnerReStartsGame = True;
    s.PlayerScore = Variant::integer(35);
    s.ComputerScore = 20;
    s.Zombie = 9;
    s.PlayerCantPlay = Variant::boolean(false);
    s.PlayerPlayedCaption = "3-3";
    s.ComputerPlayedCaption = "5-5";
    s.KeepGameHistory = True;
    s.PlayLevel = True;
    s.GameStatus = Phase::PlayersTurn;
    return s;
}

GameState afterRestart() {
    GameState s = gameInPlay();
    dealInSetOrder(s);
    for (int i = 1; i <= SetSize; ++i) {
        for (int c = 1; c <= 9; ++c)
            s.GameRightArray(i, c) = 0;
    }
    s.Dominoleft = Variant::integer(1);
    s.DominoRight = 1;
    s.Playerdom = 1; // slot 1 still holds the domino of the last round
    s.ComputerDom = 7;
    s.PlayerScore = Variant::integer(0);
    s.ComputerScore = 0;
    s.PlayerHasSeven = Variant::boolean(false);
    s.ComputerHasSeven = False;
    s.PlayerPlayedCaption.clear();
    s.ComputerPlayedCaption.clear();
    s.GameStatus = Phase::DrawForFirstPlay;
    return s;
}

GameState afterTiedDraw() {
    GameState s = freshGame();
    for (int k : {6, 9}) { // 0-5 and 1-4
        s.BoneYardArray(k, 1) = NoHalf;
        s.BoneYardArray(k, 2) = NoHalf;
    }
    s.plae = Variant::integer(5);
    s.clae = 5;
    s.SecondsToPlay = 4.5F;
    return s;
}

GameState beforeSetDomino() {
    GameState s = freshGame();
    s.plae = Variant::integer(11);
    s.clae = 3;
    drawSevenEach(s);
    s.GameStatus = Phase::SetDomino;
    return s;
}

} // namespace pipwright::samples
