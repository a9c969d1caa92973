#include "tools/selfplay/SheetCheck.h"

#include <cstdlib>

namespace pipwright {

namespace {

long counted(const CountedEnd& end) {
    return end.isDouble ? 2 * end.open : end.open;
}

long roundedToFive(long d) {
    return (d + 2) / 5 * 5;
}

struct Sums {
    long player = 0, computer = 0;
    std::vector<std::string> faults;

    long& of(Seat seat) { return seat == Seat::Player ? player : computer; }
    void expect(bool holds, const std::string& what) {
        if (!holds)
            faults.push_back(what);
    }
    void totalsAre(long p, long c, const char* where) {
        expect(p == player && c == computer,
               std::string(where) + " writes " + std::to_string(p) + "-" + std::to_string(c) +
                   ", the sheet adds up to " + std::to_string(player) + "-" +
                   std::to_string(computer));
    }

    void operator()(const RoundBegins&) {}
    void operator()(const SetScored& e) {
        expect(e.a + e.b == e.points && e.points % 5 == 0, "a Set Domino's points");
        of(e.seat) += e.points;
    }
    void operator()(const LayScored& e) {
        expect(counted(e.left) + counted(e.right) == e.points && e.points % 5 == 0,
               "a count of the ends");
        of(e.seat) += e.points;
    }
    void operator()(const RoundAward& e) {
        expect(e.difference == std::labs(e.playerPips - e.computerPips), "a round's difference");
        if (e.how == RoundEnd::Tie)
            expect(e.award == 0 && e.difference == 0, "a tie's award");
        else
            expect(e.award == roundedToFive(e.difference), "a round's rounding");
        if (e.how == RoundEnd::WentOut)
            expect((e.winner == Seat::Player ? e.playerPips : e.computerPips) == 0,
                   "a side that went out still holds pips");
        if (e.how != RoundEnd::Tie)
            of(e.winner) += e.award;
        totalsAre(e.playerTotal, e.computerTotal, "a round's totals");
    }
    void operator()(const GameWon& e) {
        totalsAre(e.playerTotal, e.computerTotal, "the game's end");
    }
    void operator()(const SheetRestart& e) {
        player = e.playerTotal;
        computer = e.computerTotal;
    }
};

} // namespace

std::vector<std::string> sheetFaults(const ScoreSheet& sheet, long playerScore,
                                     long computerScore) {
    Sums sums;
    for (const SheetEntry& entry : sheet.entries())
        std::visit(sums, entry);
    sums.totalsAre(playerScore, computerScore, "the score");
    const auto* won =
        sheet.entries().empty() ? nullptr : std::get_if<GameWon>(&sheet.entries().back());
    sums.expect(won && (won->winner == Seat::Player) == (playerScore > computerScore),
                "the sheet's last line names the winner");
    return sums.faults;
}

} // namespace pipwright
