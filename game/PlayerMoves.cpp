// The player's side of play: the Set Domino, selecting and laying, drawing
// from the BoneYard and "Can't Play".

#include "game/Engine.h"
#include "game/Geometry.h"
#include "game/ScoringRules.h"

namespace pipwright {

namespace {

bool inHandRow(const GameState& s) {
    return s.PlayersY >= s.PlayerHandTop && s.PlayersY <= s.PlayerHandTop + 2 * HalfSize;
}

} // namespace

void Engine::PlayersPic_Click() {
    if (flowRunning())
        return;
    const bool setting = s_.GameStatus == Phase::SetDomino;
    if (!setting && s_.GameStatus != Phase::PlayersTurn)
        return;
    if (!inHandRow(s_))
        return;
    FlowGuard guard(*this);
    if (playTimerInUse())
        port_.setTimer1Enabled(false);
    if (setting) {
        int slot = handSlotAt(s_.PlayersX.toLong(), s_.Playerdom);
        if (slot > 0 && s_.PlayerArray(slot, 1) != NoHalf)
            playerSetDomino(slot);
        return;
    }
    playerSelect();
}

void Engine::playerSetDomino(int slot) {
    s_.SelectedLeft = Variant::whole(handSlotLeft(slot));
    BlankPlayerDomino();
    const Integer a = s_.PlayerArray(slot, 1);
    const Integer b = s_.PlayerArray(slot, 2);
    record(TableEvent::Kind::Laid, Seat::Player, a, b);
    s_.startLine(a, b);
    sheet_.beginRound();
    setPlayerPlayed(playedText(a, b));
    setComputerPlayed("");
    if (scoring::scores(a + b)) {
        s_.PlayerScore = s_.PlayerScore.plus(a + b);
        sheet_.setScored(Seat::Player, a, b, a + b);
        showPlayerScore();
    }
    TheSetDomino();
    s_.PlayerArray(slot, 1) = NoHalf;
    s_.PlayerArray(slot, 2) = NoHalf;
    // A Set Domino that reaches the target wins the round at once, as the
    // computer's does; left for later, the computer's next count could pass it
    // and the game would go to the side with fewer points.
    CheckForWin();
    if (s_.GameStatus == Phase::DrawForFirstPlay || s_.GameStatus == Phase::DrawingSeven)
        return;
    s_.GameStatus = Phase::ComputersTurn;
    computer_->GameStatus4();
}

void Engine::playerSelect() {
    for (int slot = 1; slot <= s_.Playerdom; ++slot) {
        int left = handSlotLeft(slot);
        long x = s_.PlayersX.toLong();
        if (x >= left && x <= left + HalfSize && s_.PlayerArray(slot, 1) != NoHalf) {
            s_.PlayerClicked = Variant::integer(static_cast<Integer>(slot));
            s_.SelectedLeft = Variant::whole(left);
            say(Text("Messages", "%1, Click on the corresponding Domino in the Play Field..")
                    .arg(s_.PlayerName));
            return;
        }
    }
    // Nothing picked: the selection points past the largest hand, so the next
    // click in the field can only be a wrong selection, whatever is drawn.
    s_.PlayerClicked = Variant::integer(static_cast<Integer>(HandLimit + 1));
}

void Engine::ViewPic_Click() {
    const int x = static_cast<int>(s_.ViewX.toLong());
    laySelected(s_.endRect(End::Left).contains(x, s_.ViewY),
                s_.endRect(End::Right).contains(x, s_.ViewY));
}

void Engine::laySelectedOn(End end) {
    laySelected(end == End::Left, end == End::Right);
}

// Lays the selected domino on an end it may go on and that fits it: the left
// end is tried first, as a click on a domino that is both ends takes it.
void Engine::laySelected(bool inLeft, bool inRight) {
    if (flowRunning())
        return;
    if (s_.GameStatus < Phase::PlayersTurn || s_.PlayerClicked < 1 || !s_.lineStarted())
        return;
    if (s_.GameStatus != Phase::PlayersTurn)
        return;
    FlowGuard guard(*this);
    const long slot = s_.PlayerClicked.toLong();
    const bool present = slot <= s_.Playerdom && s_.PlayerArray(slot, 1) != NoHalf;
    const Integer a = present ? s_.PlayerArray(slot, 1) : NoHalf;
    const Integer b = present ? s_.PlayerArray(slot, 2) : NoHalf;
    const Integer L = s_.openEnd(End::Left);
    const Integer R = s_.openEnd(End::Right);

    if (a == L && inLeft)
        layPlayerDomino(End::Left, true);
    else if (b == L && inLeft)
        layPlayerDomino(End::Left, false);
    else if (a == R && inRight)
        layPlayerDomino(End::Right, true);
    else if (b == R && inRight)
        layPlayerDomino(End::Right, false);
    else
        say(Text("Messages", "%1, Wrong Selection....").arg(s_.PlayerName));
}

// Lays the selected domino with its first half touching (matchFirstHalf) or
// its second.
void Engine::layPlayerDomino(End end, bool matchFirstHalf) {
    const int slot = static_cast<int>(s_.PlayerClicked.toLong());
    const Integer a = s_.PlayerArray(slot, 1);
    const Integer b = s_.PlayerArray(slot, 2);

    record(TableEvent::Kind::Laid, Seat::Player, a, b);
    BlankPlayerDomino();
    s_.appendToArm(end, matchFirstHalf ? a : b, matchFirstHalf ? b : a);
    setPlayerPlayed(playedText(a, b));
    DetermineTheScore();
    s_.PlayerArray(slot, 1) = NoHalf;
    s_.PlayerArray(slot, 2) = NoHalf;
    // Laying a domino ends an earlier pass.
    s_.PlayerCantPlay = Variant::boolean(false);
    if (end == End::Left)
        CheckingLeft();
    else
        CheckingRight();
    CheckForWin();
    if (s_.GameStatus == Phase::DrawForFirstPlay || s_.GameStatus == Phase::DrawingSeven)
        return;
    s_.GameStatus = Phase::ComputersTurn;
    computer_->GameStatus4();
    if (s_.GameStatus == Phase::DrawForFirstPlay || s_.GameStatus == Phase::DrawingSeven)
        return;
    s_.GameStatus = Phase::PlayersTurn;
}

void Engine::AddPlayerDomino() {
    if (playerCanMatch())
        return;
    const int slot = boneYardSlotAt(s_.BoneYardX.toLong());
    if (slot == 0 || s_.BoneYardArray(slot, 1) == NoHalf)
        return;
    const Rect square = boneYardSquare(slot, s_.BoneYardTop);
    port_.fillBox(Picture::BoneYard, square, Fill::Background);

    int target = 0;
    for (int j = 1; j <= s_.Playerdom; ++j) {
        if (s_.PlayerArray(j, 1) == NoHalf) {
            target = j;
            break;
        }
    }
    if (target == 0) {
        if (s_.Playerdom + 1 > HandLimit) {
            s_.Playerdom = HandLimit;
            port_.fillBox(Picture::BoneYard, square, Fill::Foreground);
            record(TableEvent::Kind::Passed, Seat::Player);
            port_.messageBox(Text("Messages", "You are only allowed 18 Dominos"),
                             Text("Messages", "%1\r\rYou have exceeded the maximum of 18\r"
                                              "Dominos.  It is now the Computer's\rturn to "
                                              "Play...\r")
                                 .arg(s_.PlayerName));
            s_.GameStatus = Phase::ComputersTurn;
            computer_->GameStatus4();
            if (s_.GameStatus != Phase::DrawForFirstPlay && s_.GameStatus != Phase::DrawingSeven)
                s_.GameStatus = Phase::PlayersTurn;
            return;
        }
        target = ++s_.Playerdom;
    }
    record(TableEvent::Kind::Drew, Seat::Player);
    s_.drawIntoHand(s_.PlayerArray, target, slot);
    s_.DrawX = Variant::whole(handSlotLeft(target));
    s_.DrawY = s_.PlayerHandTop;
    s_.DrawInHand = 1;
    const Integer count = s_.Playerdom;
    s_.Playerdom = static_cast<Integer>(target);
    Check();
    s_.Playerdom = count;
    s_.DrawInHand = 0;
}

void Engine::ComPlayerCantPlay_Click() {
    if (flowRunning() || s_.GameStatus != Phase::PlayersTurn)
        return;
    FlowGuard guard(*this);
    s_.PlayerCantPlay = Variant::boolean(false);
    if (playerCanMatch() || boneYardHasDomino())
        return;
    s_.PlayerCantPlay = Variant::boolean(true);
    record(TableEvent::Kind::Passed, Seat::Player);
    if (s_.ComputerCantPlay == False) {
        s_.GameStatus = Phase::ComputersTurn;
        computer_->GameStatus4();
    }
    if (s_.PlayerCantPlay == True && s_.ComputerCantPlay == True)
        CheckForWin();
}

} // namespace pipwright
