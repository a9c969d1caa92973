#include "tools/tables/TablePlay.h"

#include "computer/TimedDecision.h"
#include "rules/Audit.h"
#include "rules/Game.h"
#include "rules/Random.h"
#include "session/TableSheet.h"
#include "storage/table/RecordWriter.h"
#include "storage/table/TableFile.h"

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
        setup_.rules = options.rules;
        setup_.levels = options.levels;
        setup_.seed = gameSeed;
        if (options_.record) {
            writer_.emplace(*options_.record);
            writer_->game(options_.rules, gameSeed);
        }
    }

    // Plays the game to its end, or to the first broken rule.
    void play() {
        hand();
        if (!check(rules::Audit::atStart(game_)) || !reopen())
            return;
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
            hand();
            if (!check(audit_.afterDeal(before, game_)) || !reopen())
                return;
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
        played_.push_back(chosen);
        // A session counts the decisions of every seat but the player's.
        if (seat != session::HumanSeat)
            ++decisions_;
        if (writer_)
            writer_->events(game_, outcome);
        for (const rules::Event& event : outcome) {
            sheet_.note(event);
            if (const auto* won = std::get_if<rules::GameEnded>(&event))
                winner_ = won->side;
        }
        return reopen();
    }

    // Saves the table and opens it again: the same game, the same session and
    // score sheet, and the same bytes when saved once more.
    bool reopen() {
        if (!options_.reopen)
            return true;
        ++result_.reopens;
        const std::string bytes = writeTableFile(setup_, decisions_, played_, game_);
        const TableFileRead read = readTableFile(bytes);
        if (!read.session)
            return check("the saved table did not open: " + read.error.english());
        if (!(read.session->game() == game_))
            return check("the reopened game differs from the one played");
        if (!(read.session->setup() == setup_) || read.session->decisions() != decisions_ ||
            read.session->moves() != played_)
            return check("the reopened session differs from the one played");
        if (read.session->sheet().entries() != sheet_.entries())
            return check("the reopened score sheet differs from the one kept");
        if (writeTableFile(*read.session) != bytes)
            return check("saved again, the reopened table gives other bytes");
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
    session::TableSetup setup_;
    std::vector<rules::Move> played_;
    std::uint64_t decisions_ = 0;
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
