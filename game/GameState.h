#pragma once

#include "game/Rect.h"
#include "game/Table.h"
#include "game/Variant.h"
#include "rules/Domino.h"

#include <algorithm>
#include <string>

namespace pipwright {

inline constexpr int SetSize = rules::DominoCount;
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

// The two open ends of the line, and the arms that grow towards them.
enum class End { Left, Right };

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
    // With PlayLevel True: the Master plays rather than the expert.
    Boolean MasterLevel = False;
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

    // The arms, read and written the same way whichever table holds them.
    // An arm's count as an index: an arm not yet started reads entry 1.
    int armCount(End end) const {
        const long count = end == End::Left ? Dominoleft.toLong() : DominoRight;
        return static_cast<int>(std::clamp<long>(count, 1, SetSize));
    }
    // Column `column` of entry n of an arm.
    int armCell(End end, int n, int column) const {
        return end == End::Left ? static_cast<int>(gameleftarray(n, column).toLong())
                                : GameRightArray(n, column);
    }
    void setArmCell(End end, int n, int column, int value);
    // The rectangle entry n of an arm is drawn in.
    Rect entryRect(End end, int n) const {
        return Rect{armCell(end, n, Arm::Left), armCell(end, n, Arm::Top),
                    armCell(end, n, Arm::Right), armCell(end, n, Arm::Bottom)};
    }
    void setEntryRect(End end, int n, const Rect& rect);
    // The rectangle of the domino at an open end, where a click plays on it.
    Rect endRect(End end) const { return entryRect(end, armCount(end)); }
    // Appends a domino to an arm, inner half touching the line; returns its entry.
    int appendToArm(End end, int inner, int outer);
    // Whether the line is started: its Set Domino laid and the turns begun.
    // Before that, and in each new round, the arms hold erased entries.
    bool lineStarted() const {
        return (GameStatus == Phase::PlayersTurn || GameStatus == Phase::ComputersTurn) &&
               Dominoleft >= 1 && DominoRight >= 1;
    }
    // Lays the Set Domino a-b as entry 1 of both arms: a open on the left, b on
    // the right.
    void startLine(int a, int b);
    // How many dominoes the BoneYard still holds face down.
    int faceDownCount() const;
    // Whether a hand holds its seven: seven slots, each a domino drawn out of
    // the BoneYard.
    bool holdsSeven(const HandTable& hand, Integer count) const;
    // The first BoneYard slot still face down; 0 when the BoneYard is empty.
    int firstFaceDownSlot() const;

    // An open end of the line and the half behind it.
    Integer openEnd(End end) const {
        return static_cast<Integer>(armCell(end, armCount(end), Arm::Outer));
    }
    Integer innerHalf(End end) const {
        return static_cast<Integer>(armCell(end, armCount(end), Arm::Inner));
    }
};

// Whether the domino a-b can be laid on an open end showing `open`.
inline bool fitsEnd(int a, int b, int open) {
    return rules::Domino::of(a, b).has(open);
}

// The played-domino text: the two halves joined by "-".
std::string playedText(int a, int b);

} // namespace pipwright
