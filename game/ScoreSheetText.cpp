// The score sheet in words: "Ann laid 4-4 on the right: (6 + 6) + (4 + 4) =
// 20, +20".

#include "game/ScoreSheetText.h"

namespace pipwright {

namespace {

long long num(long n) {
    return n;
}

// An open end's count, "(6 + 6)" for a double, the same in every language.
std::string counted(const CountedEnd& end) {
    const std::string open = std::to_string(end.open);
    return end.isDouble ? "(" + open + " + " + open + ")" : open;
}

class Writer {
public:
    explicit Writer(std::string_view playerName) : player_(playerName) {}

    Text seat(Seat s) const {
        if (s == Seat::Player)
            return Text::verbatim(player_);
        //: The computer's seat, named where the player's name stands.
        return Text("ScoreSheet", "Computer");
    }

    std::vector<Text> operator()(const RoundBegins& e) const {
        return {Text("ScoreSheet", "Round %1").arg(e.number)};
    }
    std::vector<Text> operator()(const SetScored& e) const {
        return {Text("ScoreSheet", "%1 set %2: %3 + %4 = %5, +%6")
                    .arg(seat(e.seat))
                    .arg(playedText(e.a, e.b))
                    .arg(e.a)
                    .arg(e.b)
                    .arg(num(e.points))
                    .arg(num(e.points))};
    }
    std::vector<Text> operator()(const LayScored& e) const {
        const long long total =
            (e.left.isDouble ? 2 : 1) * e.left.open + (e.right.isDouble ? 2 : 1) * e.right.open;
        Text line = e.end == End::Left
                        ? Text("ScoreSheet", "%1 laid %2 on the left: %3 + %4 = %5, +%6")
                        : Text("ScoreSheet", "%1 laid %2 on the right: %3 + %4 = %5, +%6");
        line.arg(seat(e.seat))
            .arg(playedText(e.a, e.b))
            .arg(counted(e.left))
            .arg(counted(e.right))
            .arg(total)
            .arg(num(e.points));
        return {line};
    }
    // How the round ended and what it was worth, two sentences on one line.
    std::vector<Text> operator()(const RoundAward& e) const {
        //: How the round ended, then what it was worth: two sentences.
        std::vector<Text> lines{Text("ScoreSheet", "%1 %2").arg(howItEnded(e)).arg(award(e))};
        for (const Seat s : {Seat::Player, Seat::Computer})
            if (const auto& hand = s == Seat::Player ? e.playerHeld : e.computerHeld; !hand.empty())
                lines.push_back(heldLine(s, hand));
        lines.push_back(totals(Text("ScoreSheet", "Totals: %1 %2, Computer %3"), e.playerTotal,
                               e.computerTotal));
        return lines;
    }
    std::vector<Text> operator()(const GameWon& e) const {
        const bool player = e.winner == Seat::Player;
        return {Text("ScoreSheet", "%1 wins the game, %2 to %3.")
                    .arg(seat(e.winner))
                    .arg(num(player ? e.playerTotal : e.computerTotal))
                    .arg(num(player ? e.computerTotal : e.playerTotal))};
    }
    std::vector<Text> operator()(const SheetRestart& e) const {
        switch (e.why) {
        case SheetRestart::Why::Opened:
            return {totals(Text("ScoreSheet", "Opened from a file: %1 %2, Computer %3"),
                           e.playerTotal, e.computerTotal)};
        case SheetRestart::Why::RoundRestarted:
            return {totals(Text("ScoreSheet", "Round restarted, back to %1 %2, Computer %3"),
                           e.playerTotal, e.computerTotal)};
        case SheetRestart::Why::GameRestarted:
            break;
        }
        return {totals(Text("ScoreSheet", "Game restarted: %1 %2, Computer %3"), e.playerTotal,
                       e.computerTotal)};
    }

private:
    Text howItEnded(const RoundAward& e) const {
        switch (e.how) {
        case RoundEnd::WentOut:
            return Text("ScoreSheet", "%1 went out.").arg(seat(e.winner));
        case RoundEnd::ReachedTarget: {
            const long score = winnerTotal(e) - e.award;
            if (score == 200)
                return Text("ScoreSheet", "%1 reached 200 mid-round.").arg(seat(e.winner));
            return Text("ScoreSheet", "%1 reached 200 mid-round (%2).")
                .arg(seat(e.winner))
                .arg(num(score));
        }
        case RoundEnd::Blocked:
            return Text("ScoreSheet", "Blocked.");
        case RoundEnd::Tie:
            break;
        }
        return Text("ScoreSheet", "Blocked, a tie.");
    }
    Text award(const RoundAward& e) const {
        if (e.how == RoundEnd::Tie)
            return Text("ScoreSheet", "%1 holds %2, Computer %3: no points")
                .arg(player_)
                .arg(num(e.playerPips))
                .arg(num(e.computerPips));
        if (e.difference == e.award)
            return Text("ScoreSheet", "%1 holds %2, Computer %3: %4, +%5 to %6")
                .arg(player_)
                .arg(num(e.playerPips))
                .arg(num(e.computerPips))
                .arg(num(e.difference))
                .arg(num(e.award))
                .arg(seat(e.winner));
        return Text("ScoreSheet", "%1 holds %2, Computer %3: %4, rounds to %5, +%6 to %7")
            .arg(player_)
            .arg(num(e.playerPips))
            .arg(num(e.computerPips))
            .arg(num(e.difference))
            .arg(num(e.award))
            .arg(num(e.award))
            .arg(seat(e.winner));
    }
    // "Computer held 6-4 and 2-1: 13": a hand left at the round's end, face up.
    Text heldLine(Seat s, const std::vector<std::pair<int, int>>& hand) const {
        long long pips = 0;
        std::string listed;
        for (std::size_t i = 0; i + 1 < hand.size(); ++i) {
            listed += (i > 0 ? ", " : "") + playedText(hand[i].first, hand[i].second);
            pips += hand[i].first + hand[i].second;
        }
        const auto& [a, b] = hand.back();
        pips += a + b;
        //: The dominoes a side held, the last two joined: "6-4, 3-3 and 2-1".
        const Text dominoes =
            hand.size() == 1 ? Text::verbatim(playedText(a, b))
                             : Text("ScoreSheet", "%1 and %2").arg(listed).arg(playedText(a, b));
        return Text("ScoreSheet", "%1 held %2: %3").arg(seat(s)).arg(dominoes).arg(pips);
    }
    static long winnerTotal(const RoundAward& e) {
        return e.winner == Seat::Player ? e.playerTotal : e.computerTotal;
    }
    // A source whose %1 is the player's name, %2 their total and %3 the computer's.
    Text totals(Text source, long player, long computer) const {
        source.arg(player_).arg(num(player)).arg(num(computer));
        return source;
    }

    std::string player_;
};

} // namespace

std::vector<Text> sheetLines(const SheetEntry& entry, std::string_view playerName) {
    return std::visit(Writer(playerName), entry);
}

} // namespace pipwright
