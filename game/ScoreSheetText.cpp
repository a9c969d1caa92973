// The score sheet in words: "Ann laid 4-4 on the right: (6 + 6) + (4 + 4) =
// 20, +20".

#include "game/ScoreSheetText.h"

namespace pipwright {

namespace {

std::string num(long n) {
    return std::to_string(n);
}

std::string counted(const CountedEnd& end) {
    return end.isDouble ? "(" + num(end.open) + " + " + num(end.open) + ")" : num(end.open);
}

class Writer {
public:
    explicit Writer(std::string_view playerName) : player_(playerName) {}

    std::string seat(Seat s) const { return s == Seat::Player ? player_ : "Computer"; }

    std::vector<std::string> operator()(const RoundBegins& e) const {
        return {"Round " + num(e.number)};
    }
    std::vector<std::string> operator()(const SetScored& e) const {
        return {seat(e.seat) + " set " + playedText(e.a, e.b) + ": " + num(e.a) + " + " + num(e.b) +
                " = " + num(e.points) + ", +" + num(e.points)};
    }
    std::vector<std::string> operator()(const LayScored& e) const {
        const long total =
            (e.left.isDouble ? 2 : 1) * e.left.open + (e.right.isDouble ? 2 : 1) * e.right.open;
        return {seat(e.seat) + " laid " + playedText(e.a, e.b) + " on the " +
                (e.end == End::Left ? "left" : "right") + ": " + counted(e.left) + " + " +
                counted(e.right) + " = " + num(total) + ", +" + num(e.points)};
    }
    std::vector<std::string> operator()(const RoundAward& e) const {
        const std::string winner = seat(e.winner);
        std::string how;
        switch (e.how) {
        case RoundEnd::WentOut:
            how = winner + " went out. ";
            break;
        case RoundEnd::ReachedTarget:
            how = winner + " reached 200 mid-round" + reachedWith(winnerTotal(e) - e.award) + ". ";
            break;
        case RoundEnd::Blocked:
            how = "Blocked. ";
            break;
        case RoundEnd::Tie:
            how = "Blocked, a tie. ";
            break;
        }
        std::string line = how + player_ + " holds " + num(e.playerPips) + ", Computer " +
                           num(e.computerPips) + ": ";
        if (e.how == RoundEnd::Tie)
            line += "no points";
        else if (e.difference == e.award)
            line += num(e.difference) + ", +" + num(e.award) + " to " + winner;
        else
            line += num(e.difference) + ", rounds to " + num(e.award) + ", +" + num(e.award) +
                    " to " + winner;
        return {line, "Totals: " + totals(e.playerTotal, e.computerTotal)};
    }
    std::vector<std::string> operator()(const GameWon& e) const {
        const bool player = e.winner == Seat::Player;
        return {seat(e.winner) + " wins the game, " +
                num(player ? e.playerTotal : e.computerTotal) + " to " +
                num(player ? e.computerTotal : e.playerTotal) + "."};
    }
    std::vector<std::string> operator()(const SheetRestart& e) const {
        switch (e.why) {
        case SheetRestart::Why::Opened:
            return {"Opened from a file: " + totals(e.playerTotal, e.computerTotal)};
        case SheetRestart::Why::RoundRestarted:
            return {"Round restarted, back to " + totals(e.playerTotal, e.computerTotal)};
        case SheetRestart::Why::GameRestarted:
            break;
        }
        return {"Game restarted: " + totals(e.playerTotal, e.computerTotal)};
    }

private:
    static std::string reachedWith(long score) {
        return score == 200 ? "" : " (" + num(score) + ")";
    }
    static long winnerTotal(const RoundAward& e) {
        return e.winner == Seat::Player ? e.playerTotal : e.computerTotal;
    }
    std::string totals(long player, long computer) const {
        return player_ + " " + num(player) + ", Computer " + num(computer);
    }

    std::string player_;
};

} // namespace

std::vector<std::string> sheetLines(const SheetEntry& entry, std::string_view playerName) {
    return std::visit(Writer(playerName), entry);
}

} // namespace pipwright
