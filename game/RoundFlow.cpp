// Setting up a round: the shuffle, the draw for first play, drawing seven,
// the restarts and the play timer's expiry.

#include "game/DominoSet.h"
#include "game/Engine.h"
#include "game/Geometry.h"

namespace pipwright {

namespace {

constexpr int PlayerFirstPlayX = 3000;
constexpr int ComputerFirstPlayX = 6000;
constexpr int FirstPlayY = 2000;

bool isTrue(const Variant& v) {
    return v == True;
}

} // namespace

void Engine::GameStart() {
    s_.BoneYardArray.fill(0);
    s_.gameleftarray.fill(Variant());
    s_.GameRightArray.fill(0);
    s_.ComputerDom = 7;
    history_.clear();
    if (s_.GamesWon == 0 && s_.GamesLost == 0) {
        port_.setStatusPanel(3, Text());
        port_.setStatusPanel(4, Text());
    }
    port_.hideSelectionLabel(SelectionLabel::Computer);
    port_.hideSelectionLabel(SelectionLabel::Player);
    s_.BoneYardTop = metrics_.boneYardLabelHeight;
    paintBoneYard();
    BuildTheSet(s_);
    ShuffleTheSet(s_, random_);
    DealIntoBoneYard(s_);
}

void Engine::paintBoneYard() {
    for (int i = 1; i <= SetSize; ++i)
        port_.fillBox(Picture::BoneYard, boneYardSquare(i, s_.BoneYardTop), Fill::Foreground);
}

void Engine::BoneYardPic_MouseDown(int x, int y) {
    if (flowRunning())
        return;
    s_.BoneYardX = Variant::whole(x);
    s_.BoneYardY = static_cast<Integer>(y);
}

void Engine::PlayersPic_MouseDown(int x, int y) {
    if (flowRunning())
        return;
    s_.PlayersX = Variant::whole(x);
    s_.PlayersY = static_cast<Integer>(y);
}

void Engine::ViewPic_MouseDown(int x, int y) {
    if (flowRunning())
        return;
    s_.ViewX = Variant::whole(x);
    s_.ViewY = static_cast<Integer>(y);
}

// A click on the BoneYard counts only on a face-down square, its edges
// included: every painted pixel of a square takes it.
bool Engine::boneYardTestPasses() const {
    int slot = boneYardSlotAt(s_.BoneYardX.toLong());
    const Rect square = boneYardSquare(slot, s_.BoneYardTop);
    return slot > 0 && s_.BoneYardArray(slot, 1) != NoHalf && s_.BoneYardY >= square.top &&
           s_.BoneYardY <= square.bottom;
}

int Engine::drawFaceDownSlot() {
    // Draws until a face-down slot turns up; a source that keeps missing gives
    // way to the first one, so a draw always ends.
    constexpr int RandomPicks = 64 * SetSize;
    for (int tries = 0; tries < RandomPicks; ++tries) {
        int k = random_.draw(SetSize);
        if (s_.BoneYardArray(k, 1) != NoHalf)
            return k;
    }
    for (int k = 1; k <= SetSize; ++k)
        if (s_.BoneYardArray(k, 1) != NoHalf)
            return k;
    return 0;
}

void Engine::takeFromBoneYard(int slot) {
    s_.BoneYardArray(slot, 1) = NoHalf;
    s_.BoneYardArray(slot, 2) = NoHalf;
    port_.fillBox(Picture::BoneYard, boneYardSquare(slot, s_.BoneYardTop), Fill::Background);
}

void Engine::BoneYardPic_Click() {
    if (flowRunning() || !boneYardTestPasses())
        return;
    FlowGuard guard(*this);
    switch (s_.GameStatus) {
    case Phase::DrawForFirstPlay:
        playerDrawForFirstPlay();
        break;
    case Phase::DrawingSeven:
        drawSevenRules();
        break;
    case Phase::PlayersTurn:
        if (playTimerInUse())
            port_.setTimer1Enabled(false);
        AddPlayerDomino();
        break;
    default:
        break;
    }
}

void Engine::playerDrawForFirstPlay() {
    KillTheMenus();
    int slot = boneYardSlotAt(s_.BoneYardX.toLong());
    s_.Playerdom = 1;
    s_.DrawInHand = 0;

    s_.PlayerArray(1, 1) = s_.BoneYardArray(slot, 1);
    s_.PlayerArray(1, 2) = s_.BoneYardArray(slot, 2);
    takeFromBoneYard(slot);
    setPlayerPlayed(playedText(s_.PlayerArray(1, 1), s_.PlayerArray(1, 2)));
    s_.plae = Variant::integer(static_cast<Integer>(s_.PlayerArray(1, 1) + s_.PlayerArray(1, 2)));

    s_.DrawX = Variant::integer(PlayerFirstPlayX);
    s_.DrawY = FirstPlayY;
    const Text playerLabel =
        Text("Messages", "%1's Score is %2").arg(s_.PlayerName).arg(s_.plae.toLong());
    say(Text("Messages", "%1, The Computer is Thinking....").arg(s_.PlayerName));
    Check();
    s_.GameStatus = Phase::ComputerDrawsFirst;
    port_.showSelectionLabel(SelectionLabel::Player, playerLabel, PlayerFirstPlayX + 150,
                             FirstPlayY + 700);
    PauseTimer(1.5);

    int k = drawFaceDownSlot();
    s_.PlayerArray(1, 1) = s_.BoneYardArray(k, 1);
    s_.PlayerArray(1, 2) = s_.BoneYardArray(k, 2);
    setComputerPlayed(playedText(s_.PlayerArray(1, 1), s_.PlayerArray(1, 2)));
    s_.clae = static_cast<Integer>(s_.PlayerArray(1, 1) + s_.PlayerArray(1, 2));
    takeFromBoneYard(k);
    s_.DrawX = Variant::integer(ComputerFirstPlayX);
    s_.DrawY = FirstPlayY;
    Check();
    port_.showSelectionLabel(SelectionLabel::Computer,
                             Text("Messages", "Computer's Score is %1").arg(s_.clae),
                             ComputerFirstPlayX + 150, FirstPlayY + 700);

    const bool playerStarts = s_.plae > s_.clae;
    if (s_.plae < s_.clae) {
        say(Text("Messages", "The Computer has the Highest Domino, and will Start the Game.."));
    } else if (playerStarts) {
        say(Text("Messages", "%1 has the Highest Domino, and will Start the Game..")
                .arg(s_.PlayerName));
    } else {
        say(Text("Messages", "%1, You Tied with the Computer, Reselect another Domino")
                .arg(s_.PlayerName));
        PauseTimer(1.5);
        port_.hideSelectionLabel(SelectionLabel::Player);
        port_.hideSelectionLabel(SelectionLabel::Computer);
        port_.clearPicture(Picture::View);
        setPlayerPlayed("");
        setComputerPlayed("");
        say(Text("Messages", "%1, Click on any Domino in the BoneYard to see who Plays First..")
                .arg(s_.PlayerName));
        s_.GameStatus = Phase::DrawForFirstPlay;
        s_.Playerdom = 0;
        return;
    }

    PauseTimer(1.5);
    port_.hideSelectionLabel(SelectionLabel::Player);
    port_.hideSelectionLabel(SelectionLabel::Computer);
    if (playerStarts)
        say(Text("Messages", "%1, Click on 7 Dominos in the BoneYard..").arg(s_.PlayerName));
    port_.clearPicture(Picture::View);
    s_.GameStatus = Phase::DrawingSeven;
    GameStart();
    s_.Playerdom = 0;
    if (!playerStarts)
        drawSevenRules();
}

// Who draws next while the hands are dealt. Later rules see what earlier ones
// did, so one click can finish the player's seven, let the computer draw and
// move on to the Set Domino.
void Engine::drawSevenRules() {
    KillTheMenus();
    const bool computerStarted = s_.plae < s_.clae;
    const bool playerStarted = s_.plae > s_.clae;
    auto playerDone = [this] { return isTrue(s_.PlayerHasSeven); };
    auto computerDone = [this] { return s_.ComputerHasSeven == True; };

    if (computerStarted && !computerDone() && !playerDone()) {
        computer_->ComputerSelects7Dominos();
        return;
    }
    if (computerStarted && !playerDone() && computerDone())
        PlayerSelects7Dominos();
    if (playerStarted && !playerDone() && !computerDone())
        PlayerSelects7Dominos();
    if (playerStarted && !computerDone() && playerDone())
        computer_->ComputerSelects7Dominos();
    if (computerStarted && playerDone() && computerDone())
        s_.GameStatus = Phase::SetDomino;
    if (playerStarted && playerDone() && computerDone()) {
        say(Text("Messages", "%1, Click on any Domino you wish to be played as the Set Domino..")
                .arg(s_.PlayerName));
        s_.GameStatus = Phase::SetDomino;
        return;
    }
    if (computerStarted && computerDone() && playerDone() && s_.GameStatus == Phase::SetDomino) {
        say(Text("Messages",
                 "The Computer will now select a Domino to be used as the Set Domino.."));
        setPlayerPlayed("");
        setComputerPlayed("");
        PauseTimer(0.5);
        computer_->ComputerSetDomino();
    }
}

void Engine::PlayerSelects7Dominos() {
    if (s_.Playerdom > 7)
        return;
    KillTheMenus();
    s_.DrawInHand = 1;
    int slot = boneYardSlotAt(s_.BoneYardX.toLong());
    if (slot == 0 || s_.BoneYardArray(slot, 1) == NoHalf) {
        if (s_.Playerdom >= 1)
            Check();
        s_.DrawInHand = 0;
        return;
    }
    ++s_.Playerdom;
    s_.PlayerArray(s_.Playerdom, 1) = s_.BoneYardArray(slot, 1);
    s_.PlayerArray(s_.Playerdom, 2) = s_.BoneYardArray(slot, 2);
    takeFromBoneYard(slot);
    s_.DrawX = Variant::whole(handSlotLeft(s_.Playerdom));
    s_.DrawY = s_.PlayerHandTop;
    if (s_.Playerdom == 7)
        s_.PlayerHasSeven = Variant::boolean(true);
    s_.GameStatus = Phase::DrawingSeven;
    Check();
    s_.DrawInHand = 0;

    const int r = 7 - s_.Playerdom;
    if (r < 1) {
        say(Text("Messages", "The Computer's Turn to Play...."));
        return;
    }
    say(r >= 2 ? Text("Messages", "%1, Click on %2 more Dominos in the BoneYard..")
                     .arg(s_.PlayerName)
                     .arg(r)
               : Text("Messages", "%1, Click on %2 more Domino in the BoneYard..")
                     .arg(s_.PlayerName)
                     .arg(r));
}

void Engine::recordStarter(bool playerStarts) {
    s_.plae = Variant::integer(playerStarts ? 5 : 3);
    s_.clae = playerStarts ? 3 : 5;
    s_.Playerdom = 0;
    s_.GameStatus = Phase::DrawingSeven;
}

void Engine::mnuRestartTheGame_Click() {
    runWhenIdle([this] { restart(); });
}

void Engine::mnuRestartTheRound_Click() {
    runWhenIdle([this] {
        s_.RestartRoundOnly = True;
        restart();
    });
}

// Clears the four pictures and lays out a fresh BoneYard for a new round.
void Engine::clearTheTable() {
    for (Picture p : {Picture::View, Picture::Players, Picture::Computers, Picture::BoneYard})
        port_.clearPicture(p);
    s_.Playerdom = 1;
    // The hand's first place is empty until the player draws for first play:
    // what the last round left there is no longer the player's.
    s_.PlayerArray(1, 1) = NoHalf;
    s_.PlayerArray(1, 2) = NoHalf;
    s_.Dominoleft = Variant::integer(1);
    s_.DominoRight = 1;
    s_.ComputerDom = 7;
    GameStart();
}

void Engine::restart() {
    KillTheMenus();
    clearTheTable();
    s_.PlayerHasSeven = Variant::boolean(false);
    s_.ComputerHasSeven = False;

    s_.PlayerScore = Variant::integer(0);
    s_.ComputerScore = 0;
    port_.setStatusPanel(1, Text());
    port_.setStatusPanel(2, Text());
    if (s_.RestartRoundOnly != False) {
        s_.PlayerScore = s_.RoundStartPlayerScore;
        s_.ComputerScore = s_.RoundStartComputerScore;
        if (s_.PlayerScore > 0)
            showPlayerScore(true);
        if (s_.ComputerScore > 0)
            showComputerScore();
    }
    sheet_.restart(s_.RestartRoundOnly != False ? SheetRestart::Why::RoundRestarted
                                                : SheetRestart::Why::GameRestarted,
                   s_);
    s_.RestartRoundOnly = False;

    const bool starterKnown = s_.plae > s_.clae || s_.plae < s_.clae;
    if (s_.WinnerReStartsGame != False && starterKnown) {
        if (s_.plae > s_.clae) {
            recordStarter(true);
            say(Text("Messages", "%1, Click on 7 Dominos from the BoneYard..").arg(s_.PlayerName));
        } else {
            recordStarter(false);
            say(Text("Messages", "%1, The Computer will Draw 7 Dominos from the BoneYard..")
                    .arg(s_.PlayerName));
            PauseTimer(1);
            computer_->ComputerSelects7Dominos();
        }
        return;
    }
    s_.GameStatus = Phase::DrawForFirstPlay;
    say(Text("Messages", "%1, Click on any Domino in the BoneYard to see who Plays First..")
            .arg(s_.PlayerName));
}

void Engine::Timer1_Timer() {
    if (flowRunning() || s_.GameStatus != Phase::PlayersTurn)
        return;
    FlowGuard guard(*this);
    std::string seconds = std::to_string(static_cast<long>(s_.SecondsToPlay));
    if (static_cast<Single>(static_cast<long>(s_.SecondsToPlay)) != s_.SecondsToPlay) {
        seconds = std::to_string(s_.SecondsToPlay);
        seconds.erase(seconds.find_last_not_of('0') + 1);
    }
    port_.showTimeOutNotice(Text("Messages", "Sorry %1").arg(s_.PlayerName),
                            Text("Messages", "%1, You waited to Long.\rYour allotted Time of %2 "
                                             "Seconds has expired.\rIt is now the Computer's "
                                             "turn to Play..")
                                .arg(s_.PlayerName)
                                .arg(seconds));
    Form_Activate();
    s_.GameStatus = Phase::ComputersTurn;
    computer_->GameStatus4();
}

} // namespace pipwright
