#include "tools/tables/TablePlay.h"

#include "computer/TimedDecision.h"
#include "rules/Audit.h"
#include "rules/Game.h"
#include "rules/Random.h"
#include "session/TableSheet.h"
#include "tools/tables/RecordWriter.h"

#include <optional>
#include <ostream>
#include <string>
#include <variant>

namespace pipwright::tables {

namespace {

// Hands after which a game that has not ended counts as stuck.
constexpr int HandLimit = 10000;

class GamePlay {
public:
    GamePlay(const TablePlayOptions& options, std::uint64_t gameSeed, std::uint64_t moveSeed,
             TablePlayResult& result, std::ostream& diagnostics, long gameNumber)
        : options_(options), game_(options.rules, gameSeed), audit_(game_), moves_(moveSeed),
          result_(result), diagnostics_(diagnostics), gameNumber_(gameNumber) {
        if (options_.record) {
            writer_.emplace(*options_.record);
            writer_->game(options_.rules, gameSeed);
        }
    }

    // Plays the game to its end, or to the first broken rule.
    void play() {
        if (!check(rules::Audit::atStart(game_)))
            return;
        hand();
        for (int hands = 1; hands < HandLimit; ++hands) {
            while (game_.phase() == rules::Phase::Playing)
                if (!move())
                    return;
            ++result_.hands;
            if (game_.phase() == rules::Phase::GameOver) {
                checkSheet();
                return;
            }
            const rules::Game before = game_;
            game_.dealNextHand();
            if (!check(audit_.afterDeal(before, game_)))
                return;
            hand();
        }
        check("the game did not end in " + std::to_string(HandLimit) + " hands");
    }

    std::optional<int> winningSide() const { return winner_; }

private:
    void hand() {
        sheet_.handDealt(game_.handNumber());
        if (writer_)
            writer_->hand(game_);
    }

    bool move() {
        const int seat = game_.turn();
        const table::Level level = options_.levels[seat];
        const rules::SeatView view = game_.view(seat);
        const std::uint64_t seed = moves_.next();
        const rules::Move chosen =
            timedDecision(level == table::Level::Master ? &result_.masterMs : nullptr,
                          [&] { return table::chooseMove(view, level, seed); });
        const rules::Game before = game_;
        const rules::Outcome outcome = game_.apply(chosen);
        if (!outcome.accepted())
            return check("seat " + std::to_string(seat + 1) + " chose a move the rules refuse: " +
                         std::string(rules::describe(outcome.refusal)));
        if (!check(audit_.afterMove(before, chosen, outcome, game_)))
            return false;
        if (writer_)
            writer_->events(game_, outcome);
        for (const rules::Event& event : outcome) {
            sheet_.note(event);
            if (const auto* won = std::get_if<rules::GameEnded>(&event))
                winner_ = won->side;
        }
        return true;
    }

    // The score sheet noted from the game's events adds up to its scores and winner.
    void checkSheet() {
        ++result_.sheetsChecked;
        const std::string fault = session::sheetFault(sheet_, game_.scores(), winner_.value_or(-1));
        if (fault.empty())
            return;
        ++result_.sheetViolations;
        diagnostics_ << "game " << gameNumber_ << ", score sheet: " << fault << '\n';
    }

    bool check(const std::string& fault) {
        if (fault.empty())
            return true;
        ++result_.violations;
        diagnostics_ << "game " << gameNumber_ << ", hand " << game_.handNumber() << ": " << fault
                     << '\n';
        return false;
    }

    const TablePlayOptions& options_;
    rules::Game game_;
    rules::Audit audit_;
    rules::SplitMix64 moves_;
    TablePlayResult& result_;
    std::ostream& diagnostics_;
    long gameNumber_;
    std::optional<RecordWriter> writer_;
    std::optional<int> winner_;
    session::TableSheet sheet_{options_.rules};
};

} // namespace

TablePlayResult playTables(const TablePlayOptions& options, std::ostream& diagnostics) {
    TablePlayResult result;
    rules::SplitMix64 seeds(options.seed);
    for (long g = 1; g <= options.games; ++g) {
        const std::uint64_t gameSeed = seeds.next();
        GamePlay game(options, gameSeed, seeds.next(), result, diagnostics, g);
        game.play();
        ++result.games;
        if (const auto side = game.winningSide())
            ++result.sideWins[*side];
    }
    return result;
}

} // namespace pipwright::tables
