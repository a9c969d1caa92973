#pragma once

#include "game/Table.h"
#include "game/Variant.h"

#include <algorithm>
#include <string>

namespace pipwright {

inline constexpr int SetSize = 28;
inline constexpr int HandLimit = 18;
inline constexpr Integer NoHalf = 7; // both halves 7: an empty hand slot or a taken BoneYard slot

// Phase codes of GameStatus.
namespace Phase {
inline constexpr Integer DrawForFirstPlay = 0;
inline constexpr Integer DrawingSeven = 1;
inline constexpr Integer SetDomino = 2;
inline constexpr Integer PlayersTurn = 3;
inline constexpr Integer ComputersTurn = 4;
inline constexpr Integer ComputerDrawsFirst = 9;
inline constexpr Integer ComputerDrawsSeven = 10;
} // namespace Phase

// Columns of an arm entry.
namespace Arm {
inline constexpr int Index = 1;
inline constexpr int Inner = 2;
inline constexpr int Outer = 3;
inline constexpr int Left = 4;
inline constexpr int Top = 5;
inline constexpr int Right = 6;
inline constexpr int Bottom = 7;
} // namespace Arm

using HandTable = Table<Integer, SetSize, 2>;

// The whole state of a game, with the game's own names. One engine owns it.
struct GameState {
    // The set and the BoneYard.
    Table<Integer, SetSize, 3> DominoSetArray;
    List<Integer, SetSize> ShuffleArray;
    HandTable BoneYardArray;

    // The hands.
    HandTable PlayerArray;
    HandTable ComputerArray;
    Integer Playerdom = 0;
    Integer ComputerDom = 7;

    // The line: two arms growing from the Set Domino.
    Table<Variant, SetSize, 9> gameleftarray;
    Table<Integer, SetSize, 9> GameRightArray;
    Variant Dominoleft;
    Integer DominoRight = 0;
    Variant LeftEndX;
    Integer LeftEndY = 0;
    Variant RightEndX;
    Integer RightEndY = 0;

    // Round flags and the draw for first play.
    Variant PlayerHasSeven;
    Boolean ComputerHasSeven = False;
    Variant plae;
    Integer clae = 0;
    Variant PlayerCantPlay;
    Boolean ComputerCantPlay = False;

    // Positions of the last mouse-down in each picture, and painting state.
    Integer BoneYardTop = 0;
    Variant BoneYardX;
    Integer BoneYardY = 0;
    Variant PlayersX;
    Integer PlayersY = 0;
    Variant ViewX;
    Integer ViewY = 0;
    Integer DrawInHand = 0;
    Variant DrawX;
    Integer DrawY = 0;
    Integer Zombie = 0;
    Variant PlayerClicked;
    Variant SelectedLeft;
    Integer PlayerHandTop = 0;

    // Scores.
    Variant GamesWon = Variant::integer(0);
    Integer GamesLost = 0;
    Variant RoundStartPlayerScore;
    Integer RoundStartComputerScore = 0;
    Integer RestartRoundOnly = False;
    Integer RestoringGame = False;

    // Settings and figures shared with the dialogs.
    std::string PlayerName;
    Integer AuthorShown = 0;
    Boolean PlayLevel = False;
    Boolean WinnerReStartsGame = False;
    Boolean KeepGameHistory = False;
    Variant PlayerScore;
    Integer ComputerScore = 0;
    Variant RoundPoints;
    Variant PlayerPips;
    Integer ComputerPips = 0;
    Variant PlayerDominoCount;
    Integer ComputerDominoCount = 0;
    Variant PlayerHolds;
    Integer ComputerHolds = 0;
    Single SecondsToPlay = 6;
    Integer GameStatus = Phase::DrawForFirstPlay;

    // Captions of the two played-domino panels, such as "3-5" or empty.
    std::string PlayerPlayedCaption;
    std::string ComputerPlayedCaption;

    // Moves the domino of a BoneYard slot into a hand slot; the BoneYard slot
    // is taken.
    void drawIntoHand(HandTable& hand, int handSlot, int boneYardSlot);

    // Open ends of the line and their inner halves.
    Integer leftOpen() const {
        return static_cast<Integer>(gameleftarray(leftCount(), 3).toLong());
    }
    Integer leftInner() const {
        return static_cast<Integer>(gameleftarray(leftCount(), 2).toLong());
    }
    Integer rightOpen() const { return GameRightArray(rightCount(), 3); }
    Integer rightInner() const { return GameRightArray(rightCount(), 2); }
    // Arm counts as indexes; an arm not yet started reads entry 1.
    int leftCount() const { return std::clamp<int>(Dominoleft.toLong(), 1, SetSize); }
    int rightCount() const { return std::clamp<int>(DominoRight, 1, SetSize); }
};

// The played-domino text: the two halves joined by "-".
std::string playedText(int a, int b);

} // namespace pipwright
