#include "game/ResultTexts.h"

namespace pipwright {

namespace {

long long num(const Variant& v) {
    return v.toLong();
}

} // namespace

ResultTexts resultTexts(ResultWindow window, const GameState& s) {
    const std::string& name = s.PlayerName;
    const long long points = s.RoundPoints.toLong();
    const long long playerBefore = s.PlayerScore.toLong() - points;
    const long long computerBefore = s.ComputerScore - points;
    const long long playerPips = num(s.PlayerPips);
    const long long computerPips = s.ComputerPips;
    const long long playerCount = num(s.PlayerDominoCount);
    const long long computerCount = s.ComputerDominoCount;
    ResultTexts t;
    t.window = window;
    switch (window) {
    case ResultWindow::PlayerWinsRound:
        t.caption = Text("Results", "%1, You Win this Round...").arg(name);
        t.labels = {Text("Results", "%1,  You Win this Round.").arg(name),
                    Text("Results", "The Computer's Dominos have a value of %1").arg(computerPips),
                    Text("Results", "Your Score of %1 will be increased by %2 to %3")
                        .arg(playerBefore)
                        .arg(points)
                        .arg(num(s.PlayerScore))};
        break;
    case ResultWindow::ComputerWinsRound:
        t.caption = Text("Results", "%1, You Lost this Round...").arg(name);
        t.labels = {Text("Results", "%1,  The Computer Won this Round..").arg(name),
                    Text("Results", "Your Dominos have a value of %1").arg(playerPips),
                    Text("Results", "The Computer's Score of %1 will be increased by %2 to %3")
                        .arg(computerBefore)
                        .arg(points)
                        .arg(s.ComputerScore)};
        break;
    case ResultWindow::PlayerScoreWins:
        t.caption = Text("Results", "%1,  You Win this Round...").arg(name);
        t.labels = {
            Text("Results", "%1,  You Win this Round...").arg(name),
            //: This label and the next two read as one paragraph, broken at the
            //: ends of the window's lines.
            Text("Results", "Your %1 Dominos have a value of %2.  The Computer")
                .arg(playerCount)
                .arg(playerPips),
            Text("Results", "had %1 Dominos with a value of %2.  Your score of %3")
                .arg(computerCount)
                .arg(computerPips)
                .arg(playerBefore),
            Text("Results", "will be increased by %1 to %2.").arg(points).arg(num(s.PlayerScore))};
        break;
    case ResultWindow::ComputerScoreWins:
        t.caption = Text("Results", "Sorry, %1,  The Computer Won this Round...").arg(name);
        t.labels = {Text("Results", "%1,  You Lost this Round...").arg(name),
                    Text("Results", "Your %1 Dominos have a value of %2.  The Computer")
                        .arg(playerCount)
                        .arg(playerPips),
                    Text("Results", "had %1 Dominos with a value of %2.  The Computer's")
                        .arg(computerCount)
                        .arg(computerPips),
                    Text("Results", "Score of %1 will be increased by %2 to %3.")
                        .arg(computerBefore)
                        .arg(points)
                        .arg(s.ComputerScore)};
        break;
    case ResultWindow::PlayerScoreTies:
        // Equal scores name the score; a tie on pips alone names the pips.
        if (s.PlayerScore == s.ComputerScore)
            t.caption = Text("Results", "%1, You and the Computer Tied with a Score of %2")
                            .arg(name)
                            .arg(num(s.PlayerScore));
        else
            t.caption = Text("Results", "%1, You and the Computer Tied with %2 Pips")
                            .arg(name)
                            .arg(playerPips);
        break;
    case ResultWindow::Winner:
    case ResultWindow::Loser:
        break;
    }
    return t;
}

} // namespace pipwright
