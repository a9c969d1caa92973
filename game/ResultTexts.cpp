#include "game/ResultTexts.h"

namespace pipwright {

namespace {

std::string num(const Variant& v) {
    return std::to_string(v.toLong());
}
std::string num(long v) {
    return std::to_string(v);
}

} // namespace

ResultTexts resultTexts(ResultWindow window, const GameState& s) {
    const std::string& name = s.PlayerName;
    const long points = s.RoundPoints.toLong();
    const long playerBefore = s.PlayerScore.toLong() - points;
    const long computerBefore = s.ComputerScore - points;
    ResultTexts t;
    t.window = window;
    switch (window) {
    case ResultWindow::PlayerWinsRound:
        t.caption = name + ", You Win this Round...";
        t.labels = {name + ",  You Win this Round.",
                    "The Computer's Dominos have a value of " + num(s.ComputerPips),
                    "Your Score of " + num(playerBefore) + " will be increased by " + num(points) +
                        " to " + num(s.PlayerScore)};
        break;
    case ResultWindow::ComputerWinsRound:
        t.caption = name + ", You Lost this Round...";
        t.labels = {name + ",  The Computer Won this Round..",
                    "Your Dominos have a value of " + num(s.PlayerPips),
                    "The Computer's Score of " + num(computerBefore) + " will be increased by " +
                        num(points) + " to " + num(s.ComputerScore)};
        break;
    case ResultWindow::PlayerScoreWins:
        t.caption = name + ",  You Win this Round...";
        t.labels = {name + ",  You Win this Round...",
                    "Your " + num(s.PlayerDominoCount) + " Dominos have a value of " +
                        num(s.PlayerPips) + ".  The Computer",
                    "had " + num(s.ComputerDominoCount) + " Dominos with a value of " +
                        num(s.ComputerPips) + ".  Your score of " + num(playerBefore),
                    "will be increased by " + num(points) + " to " + num(s.PlayerScore) + "."};
        break;
    case ResultWindow::ComputerScoreWins:
        t.caption = "Sorry, " + name + ",  The Computer Won this Round...";
        t.labels = {name + ",  You Lost this Round...",
                    "Your " + num(s.PlayerDominoCount) + " Dominos have a value of " +
                        num(s.PlayerPips) + ".  The Computer",
                    "had " + num(s.ComputerDominoCount) + " Dominos with a value of " +
                        num(s.ComputerPips) + ".  The Computer's",
                    "Score of " + num(computerBefore) + " will be increased by " + num(points) +
                        " to " + num(s.ComputerScore) + "."};
        break;
    case ResultWindow::PlayerScoreTies:
        // Equal scores name the score; a tie on pips alone names the pips.
        if (s.PlayerScore == s.ComputerScore)
            t.caption = name + ", You and the Computer Tied with a Score of " + num(s.PlayerScore);
        else
            t.caption = name + ", You and the Computer Tied with " + num(s.PlayerPips) + " Pips";
        break;
    case ResultWindow::Winner:
    case ResultWindow::Loser:
        break;
    }
    return t;
}

} // namespace pipwright
