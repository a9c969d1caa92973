#include "computer/ComputerPlayer.h"

#include "computer/MasterChoice.h"
#include "computer/TimedDecision.h"
#include "game/Engine.h"
#include "game/ScoringRules.h"

namespace pipwright {

bool ComputerPlayer::expert() const {
    return engine_.state().PlayLevel == True;
}

bool ComputerPlayer::master() const {
    return expert() && engine_.state().MasterLevel == True;
}

std::optional<Move> ComputerPlayer::masterMove() {
    const std::uint64_t seed = masterSeeds_.next();
    return timedDecision(decisionTimes_, [&] {
        return pipwright::masterMove(engine_.tableView(Seat::Computer), seed);
    });
}

HandView ComputerPlayer::myHand() const {
    const GameState& s = engine_.state();
    return HandView{s.ComputerArray, s.ComputerDom};
}

HandView ComputerPlayer::playersHand() const {
    const GameState& s = engine_.state();
    return HandView{s.PlayerArray, s.Playerdom};
}

void ComputerPlayer::setTimer(bool enabled) {
    if (engine_.playTimerInUse())
        engine_.port().setTimer1Enabled(enabled);
}

int ComputerPlayer::takeFromBoneYard() {
    const GameState& s = engine_.state();
    const int n = engine_.drawFaceDownSlot();
    if (n != 0)
        engine_.port().fillBox(Picture::BoneYard, boneYardSquare(n, s.BoneYardTop),
                               Fill::Background);
    return n;
}

void ComputerPlayer::ComputerSelects7Dominos() {
    GameState& s = engine_.state();
    s.GameStatus = Phase::ComputerDrawsSeven;
    engine_.KillTheMenus();
    engine_.say(Text("Messages", "The Computer will Select 7 Dominos from the BoneYard"));
    engine_.PauseTimer(1);
    const int count = s.ComputerDom;
    for (s.Zombie = 1; s.Zombie <= count; ++s.Zombie) {
        int n = takeFromBoneYard();
        if (n == 0)
            break;
        s.drawIntoHand(s.ComputerArray, s.Zombie, n);
        engine_.AddComputerDomino();
        int r = count - s.Zombie;
        if (r >= 2) {
            engine_.say(Text("Messages", "The Computer will Draw %1 more Dominos from the BoneYard")
                            .arg(r));
            engine_.PauseTimer(0.5);
        } else if (r == 1) {
            engine_.say(Text("Messages", "The Computer will Draw 1 more Domino from the BoneYard"));
            engine_.PauseTimer(0.5);
        } else {
            engine_.say(Text());
        }
    }
    s.ComputerHasSeven = True;
    if (s.plae < s.clae)
        engine_.say(Text("Messages", "%1, Click on 7 Dominos in the BoneYard..").arg(s.PlayerName));
    s.GameStatus = Phase::DrawingSeven;
}

void ComputerPlayer::ComputerSetDomino() {
    GameState& s = engine_.state();
    SetChoice choice;
    if (master()) {
        const std::uint64_t seed = masterSeeds_.next();
        choice = {
            timedDecision(decisionTimes_,
                          [&] { return masterSetDomino(engine_.tableView(Seat::Computer), seed); }),
            SetStep::Master};
    } else {
        choice = chooseSetDomino(myHand(), playersHand(), expert(), engine_.random());
    }
    if (choice.slot == 0)
        return;
    s.Zombie = static_cast<Integer>(choice.slot);
    const Integer a = s.ComputerArray(choice.slot, 1);
    const Integer b = s.ComputerArray(choice.slot, 2);

    engine_.record(TableEvent::Kind::Laid, Seat::Computer, a, b);
    s.startLine(a, b);
    engine_.scoreSheet().beginRound();
    engine_.setComputerPlayed(playedText(a, b));

    if (choice.step == SetStep::FiveOrTen || scoring::scores(a + b)) {
        s.ComputerScore = static_cast<Integer>(s.ComputerScore + a + b);
        engine_.scoreSheet().setScored(Seat::Computer, a, b, a + b);
        if (s.ComputerScore > 0)
            engine_.showComputerScore();
    }
    s.ComputerArray(choice.slot, 1) = NoHalf;
    s.ComputerArray(choice.slot, 2) = NoHalf;
    engine_.TheSetDomino();
    engine_.BlankComputerDomino();
    engine_.CheckForWin();
    if (s.GameStatus == Phase::DrawForFirstPlay || s.GameStatus == Phase::DrawingSeven)
        return;
    s.GameStatus = Phase::PlayersTurn;
    engine_.say(
        Text("Messages", "%1, Click the Left Mouse on one of your Dominos..").arg(s.PlayerName));
}

void ComputerPlayer::GameStatus4() {
    GameState& s = engine_.state();
    if (s.GameStatus != Phase::ComputersTurn)
        return;
    setTimer(false);
    s.ComputerCantPlay = False;
    engine_.KillTheMenus();
    if (s.ComputerDom >= 2 && s.ComputerArray(s.ComputerDom, 1) == NoHalf)
        --s.ComputerDom;
    engine_.say(Text("Messages", "%1, The Computer is Thinking..").arg(s.PlayerName));
    engine_.PauseTimer(1);
    engine_.MousePointerHourglass();

    const LineEnds ends = lineEnds(s);
    if (!s.lineStarted() || ends.L == NoHalf || ends.R == NoHalf) {
        engine_.ActivateTheMenus();
        engine_.MousePointerArrow();
        return;
    }
    if (auto move = master() ? masterMove() : chooseMove(myHand(), playersHand(), ends, expert()))
        lay(*move);
    else
        drawUntilMove();
}

void ComputerPlayer::lay(const Move& move) {
    GameState& s = engine_.state();
    s.Zombie = static_cast<Integer>(move.slot);
    engine_.record(TableEvent::Kind::Laid, Seat::Computer, s.ComputerArray(move.slot, 1),
                   s.ComputerArray(move.slot, 2));
    s.appendToArm(move.end, move.inner, move.outer);
    engine_.setComputerPlayed(
        playedText(s.ComputerArray(move.slot, 1), s.ComputerArray(move.slot, 2)));
    engine_.DetermineTheScore();
    s.ComputerArray(move.slot, 1) = NoHalf;
    s.ComputerArray(move.slot, 2) = NoHalf;
    if (move.end == End::Left)
        engine_.CheckingLeft();
    else
        engine_.CheckingRight();
    engine_.BlankComputerDomino();
    engine_.CheckForWin();
    if (s.GameStatus == Phase::DrawForFirstPlay || s.GameStatus == Phase::DrawingSeven) {
        engine_.ActivateTheMenus();
        return;
    }
    s.GameStatus = Phase::PlayersTurn;
    engine_.say(
        Text("Messages", "%1, Click the Left Mouse on one of your Domios").arg(s.PlayerName));
    engine_.ActivateTheMenus();
    setTimer(true);
}

// Draws one domino at a time until one fits, the BoneYard is empty or the hand
// would need a nineteenth slot.
void ComputerPlayer::drawUntilMove() {
    GameState& s = engine_.state();
    while (true) {
        if (!engine_.boneYardHasDomino()) {
            engine_.record(TableEvent::Kind::Passed, Seat::Computer);
            s.ComputerCantPlay = True;
            engine_.say(Text("Messages", "%1, It's Your Turn, The Computer Can't Play..")
                            .arg(s.PlayerName));
            s.GameStatus = Phase::PlayersTurn;
            engine_.CheckForWin();
            engine_.ActivateTheMenus();
            if (s.GameStatus == Phase::PlayersTurn)
                setTimer(true);
            return;
        }
        const int n = takeFromBoneYard();
        int slot = 0;
        for (int i = 1; i <= s.ComputerDom && slot == 0; ++i)
            if (s.ComputerArray(i, 1) == NoHalf)
                slot = i;
        if (slot == 0) {
            if (s.ComputerDom + 1 > HandLimit) {
                engine_.record(TableEvent::Kind::Passed, Seat::Computer);
                engine_.port().messageBox(
                    Text("Messages", "The Computer Exceeded 18 Dominos.."),
                    Text("Messages", "%1\r\rThe Computer has exceeded the mazimum of 18\r"
                                     "Dominos and does not have one equal to either\r"
                                     "of the two target Dominos on the Screen.  It is now\r"
                                     "your turn to Play...\r")
                        .arg(s.PlayerName));
                // The domino stays in the BoneYard, face down again.
                engine_.port().fillBox(Picture::BoneYard, boneYardSquare(n, s.BoneYardTop),
                                       Fill::Foreground);
                handBack();
                return;
            }
            slot = ++s.ComputerDom;
        }
        engine_.record(TableEvent::Kind::Drew, Seat::Computer);
        s.drawIntoHand(s.ComputerArray, slot, n);
        s.Zombie = static_cast<Integer>(slot);
        engine_.AddComputerDomino();
        engine_.PauseTimer(0.5);
        if (auto move = master() ? masterMove() : chooseAfterDraw(myHand(), lineEnds(s))) {
            lay(*move);
            return;
        }
    }
}

// The turn passes to the player without a move.
void ComputerPlayer::handBack() {
    engine_.state().GameStatus = Phase::PlayersTurn;
    engine_.ActivateTheMenus();
    setTimer(true);
    engine_.MousePointerArrow();
}

} // namespace pipwright
