// Points for the open ends, the end of a round and of a game.

#include "game/Engine.h"
#include "game/ScoringRules.h"

namespace pipwright {

namespace {

// An end counts its open half, or both halves when it is a double.
long endCount(Integer open, Integer inner) {
    return scoring::endCount(open, inner == open);
}

struct HandTotals {
    long count = 0;
    long pips = 0;
};

HandTotals handTotals(const HandTable& hand, int slots) {
    HandTotals totals;
    for (int i = 1; i <= slots; ++i) {
        if (hand(i, 1) == NoHalf)
            continue;
        ++totals.count;
        totals.pips += hand(i, 1) + hand(i, 2);
    }
    return totals;
}

} // namespace

void Engine::DetermineTheScore() {
    const long total = endCount(s_.openEnd(End::Left), s_.innerHalf(End::Left)) +
                       endCount(s_.openEnd(End::Right), s_.innerHalf(End::Right));
    if (!scoring::scores(total))
        return;
    if (s_.GameStatus == Phase::ComputersTurn) {
        s_.ComputerScore = static_cast<Integer>(s_.ComputerScore + total);
        noteLayScored(Seat::Computer, total);
        if (s_.ComputerScore > 0)
            showComputerScore();
    } else if (s_.GameStatus == Phase::PlayersTurn) {
        s_.PlayerScore = s_.PlayerScore.plus(total);
        noteLayScored(Seat::Player, total);
        if (s_.PlayerScore > 0)
            showPlayerScore();
    }
}

void Engine::CheckForWin() {
    s_.ComputerHolds = 0;
    s_.PlayerHolds = Variant::integer(0);
    s_.PlayerPips = Variant::integer(0);
    s_.ComputerPips = 0;
    s_.RoundPoints = Variant::integer(0);
    if (s_.GameStatus == Phase::DrawForFirstPlay || s_.GameStatus == Phase::DrawingSeven)
        return;
    if (s_.Playerdom >= 2 && s_.PlayerArray(s_.Playerdom, 1) == NoHalf)
        --s_.Playerdom;
    KillTheMenus();

    const auto [playerCount, playerPips] = handTotals(s_.PlayerArray, s_.Playerdom);
    const auto [computerCount, computerPips] = handTotals(s_.ComputerArray, s_.ComputerDom);
    s_.PlayerHolds = Variant::integer(playerCount > 0 ? 1 : 0);
    s_.ComputerHolds = computerCount > 0 ? 1 : 0;
    s_.PlayerDominoCount = Variant::whole(playerCount);
    s_.ComputerDominoCount = static_cast<Integer>(computerCount);
    s_.PlayerPips = Variant::whole(playerPips);
    s_.ComputerPips = static_cast<Integer>(computerPips);
    MousePointerArrow();

    const long d = std::labs(playerPips - computerPips);
    s_.RoundPoints = Variant::whole(scoring::roundAward(playerPips, computerPips));
    const long points = s_.RoundPoints.toLong();

    if (scoring::reachedTarget(s_.PlayerScore.toLong())) {
        s_.PlayerHolds = Variant::integer(0);
        s_.RoundStartPlayerScore = Variant::integer(0);
        s_.RoundStartComputerScore = 0;
    }
    if (scoring::reachedTarget(s_.ComputerScore)) {
        s_.ComputerHolds = 0;
        s_.RoundStartPlayerScore = Variant::integer(0);
        s_.RoundStartComputerScore = 0;
    }

    auto roundStartScores = [this] {
        s_.RoundStartPlayerScore = s_.PlayerScore;
        s_.RoundStartComputerScore = s_.ComputerScore;
    };
    auto show = [this](ResultWindow window) {
        port_.showResultWindow(window, s_);
        Form_Activate();
    };

    if (s_.PlayerHolds == 0) {
        PauseTimer(1);
        s_.PlayerScore = s_.PlayerScore.plus(points);
        sheet_.roundEnds(playerCount == 0 ? RoundEnd::WentOut : RoundEnd::ReachedTarget,
                         Seat::Player, d, points, s_);
        show(ResultWindow::PlayerWinsRound);
        showPlayerScore();
        roundStartScores();
        prepareNextRound(true);
        gameEnd(true);
        return;
    }
    if (s_.ComputerHolds == 0) {
        PauseTimer(1);
        s_.ComputerScore = static_cast<Integer>(s_.ComputerScore + points);
        sheet_.roundEnds(computerCount == 0 ? RoundEnd::WentOut : RoundEnd::ReachedTarget,
                         Seat::Computer, d, points, s_);
        roundStartScores();
        show(ResultWindow::ComputerWinsRound);
        showComputerScore();
        prepareNextRound(false);
        const bool gameLost = gameEnd(false);
        if (s_.WinnerReStartsGame != False) {
            if (!gameLost)
                PauseTimer(1);
            computer_->ComputerSelects7Dominos();
        }
        return;
    }
    if (s_.PlayerCantPlay == True && s_.ComputerCantPlay == True) {
        const auto winner = scoring::blockedWinner(playerPips, computerPips);
        if (winner == scoring::BlockedWinner::First) {
            s_.PlayerScore = s_.PlayerScore.plus(points);
            sheet_.roundEnds(RoundEnd::Blocked, Seat::Player, d, points, s_);
            roundStartScores();
            PauseTimer(1);
            show(ResultWindow::PlayerScoreWins);
            showPlayerScore(true);
            prepareNextRound(true);
            gameEnd(true);
        } else if (winner == scoring::BlockedWinner::Second) {
            PauseTimer(1);
            s_.ComputerScore = static_cast<Integer>(s_.ComputerScore + points);
            sheet_.roundEnds(RoundEnd::Blocked, Seat::Computer, d, points, s_);
            roundStartScores();
            show(ResultWindow::ComputerScoreWins);
            prepareNextRound(false);
            showComputerScore();
            gameEnd(false);
            if (s_.WinnerReStartsGame != False) {
                say(Text("Messages", "%1, The Computer will Draw 7 Dominos from the BoneYard..")
                        .arg(s_.PlayerName));
                PauseTimer(1);
                computer_->ComputerSelects7Dominos();
            }
        } else {
            // Equal pips: no points, and the same side starts again.
            const bool playerStarted = s_.plae > s_.clae;
            PauseTimer(1);
            sheet_.roundEnds(RoundEnd::Tie, Seat::Player, d, 0, s_);
            roundStartScores();
            show(ResultWindow::PlayerScoreTies);
            prepareNextRound(playerStarted);
            if (s_.WinnerReStartsGame != False && !playerStarted)
                say(Text("Messages", "%1, The Computer will Draw 7 Dominos from the BoneYard..")
                        .arg(s_.PlayerName));
            ActivateTheMenus();
        }
        return;
    }
    ActivateTheMenus();
}

// Sets up the next round; with WinnerReStartsGame the given side starts it.
void Engine::prepareNextRound(bool playerStarts) {
    clearTheTable();
    if (s_.WinnerReStartsGame != False) {
        setPlayerPlayed("");
        setComputerPlayed("");
        recordStarter(playerStarts);
        if (playerStarts)
            say(Text("Messages", "%1, Click on 7 Dominos from the BoneYard..").arg(s_.PlayerName));
    } else {
        s_.GameStatus = Phase::DrawForFirstPlay;
        promptTheDraw();
    }
}

// The end of a game when the winner of the round has reached the target.
bool Engine::gameEnd(bool playerWon) {
    if (!scoring::reachedTarget(playerWon ? s_.PlayerScore.toLong() : s_.ComputerScore))
        return false;
    sheet_.gameWon(playerWon ? Seat::Player : Seat::Computer, s_);
    port_.showResultWindow(playerWon ? ResultWindow::Winner : ResultWindow::Loser, s_);
    Form_Activate();
    if (playerWon)
        s_.GamesWon = s_.GamesWon.plus(1);
    else
        ++s_.GamesLost;
    s_.PlayerScore = Variant::integer(0);
    s_.ComputerScore = 0;
    s_.RoundStartPlayerScore = Variant::integer(0);
    s_.RoundStartComputerScore = 0;
    port_.setStatusPanel(1, Text());
    port_.setStatusPanel(2, Text());
    if (playerWon)
        port_.setStatusPanel(3, Text("Messages", "Games Won=%1").arg(s_.GamesWon.toLong()));
    else
        port_.setStatusPanel(4, Text("Messages", "Games Lost=%1").arg(s_.GamesLost));
    port_.gameEnded();
    return true;
}

} // namespace pipwright
