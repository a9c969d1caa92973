#include "storage/table/TableFile.h"

#include "computer/table/TablePlayer.h"
#include "rules/Presets.h"
#include "storage/table/RecordWriter.h"

#include <charconv>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace pipwright::tables {

namespace {

using rules::Game;
using rules::Move;

// The phase as the state line writes it.
const char* phaseName(rules::Phase phase) {
    switch (phase) {
    case rules::Phase::HandOver:
        return "hand-over";
    case rules::Phase::GameOver:
        return "game-over";
    case rules::Phase::Playing:
        break;
    }
    return "playing";
}

// Each domino after a blank.
template <typename Dominoes> void dominoes(std::ostream& out, const Dominoes& list) {
    for (const rules::Domino d : list)
        out << ' ' << rules::toText(d);
}

// Each seat's level, and how many decisions the computers have made.
void writeLevels(std::ostream& out, const session::TableSetup& setup, std::uint64_t decisions) {
    out << "levels";
    for (int seat = 0; seat < setup.rules.seats; ++seat)
        out << (seat ? ',' : ' ') << table::levelName(setup.levels[std::size_t(seat)]);
    out << " decisions=" << decisions << '\n';
}

// The state the game is in, for the eye and for the reader to check.
void writeState(std::ostream& out, const Game& game) {
    const rules::RuleSet& rules = game.rules();
    out << "state phase=" << phaseName(game.phase()) << " turn=" << game.turn() + 1
        << " hand=" << game.handNumber() << " lead=" << game.leader() + 1
        << " passes=" << game.passesInRow() << '\n';
    for (int seat = 0; seat < rules.seats; ++seat) {
        out << "holds " << seat + 1;
        dominoes(out, game.hand(seat));
        out << '\n';
    }
    out << "boneyard";
    dominoes(out, game.boneYard());
    out << "\nout";
    dominoes(out, game.outOfPlay());
    // An empty line has no open ends to show.
    if (game.line().empty())
        out << "\nline empty";
    else
        out << "\nline ends=" << game.line().left().open << ',' << game.line().right().open
            << " laid=" << game.line().laidCount();
    out << "\nscores ";
    for (int side = 0; side < rules::sideCount(rules); ++side)
        out << (side ? "," : "") << game.score(side);
    out << "\nrandom " << game.randomState() << '\n';
}

// The lines of a text; a last line may lack its newline.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// The pieces of text between separators; an empty text is one empty piece.
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t end = std::min(text.find(separator, from), text.size());
        pieces.push_back(text.substr(from, end - from));
        from = end + 1;
    }
    return pieces;
}

// The whole text as a number, if it is one.
template <typename T> std::optional<T> number(std::string_view text) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The value of "key=value", if the word is that key's.
std::optional<std::string_view> valueOf(std::string_view word, std::string_view key) {
    if (word.size() <= key.size() || word.substr(0, key.size()) != key || word[key.size()] != '=')
        return std::nullopt;
    return word.substr(key.size() + 1);
}

// "yes" or "no", if the text is either.
std::optional<bool> yesNo(std::optional<std::string_view> text) {
    if (text == "yes")
        return true;
    if (text == "no")
        return false;
    return std::nullopt;
}

// The domino written "3-5", if the text is one.
std::optional<rules::Domino> dominoNamed(std::string_view text) {
    if (text.size() != 3 || text[1] != '-' || text[0] < '0' || text[0] > '6' || text[2] < '0' ||
        text[2] > '6')
        return std::nullopt;
    return rules::Domino::of(text[0] - '0', text[2] - '0');
}

// Why the file is refused, and where.
struct FileRefusal {
    int line = 0;
    Text reason;
};

// Reads the lines in order, replaying the game as it goes.
class Reader : private session::TableListener {
public:
    explicit Reader(std::string_view bytes) : lines_(splitLines(bytes)) {}

    // The session the file holds; throws FileRefusal at the first line that fails.
    std::unique_ptr<session::TableSession> read() {
        if (lines_.empty() || next() != TableFileFirstLine)
            refuse(Text("TableFile", "this is not a table file"));
        const session::TableSetup setup = readSetup();
        const std::size_t levelsLine = taken_;
        auto session = std::make_unique<session::TableSession>(setup);
        session_ = session.get();
        session->addListener(this);
        expect(handLines());
        while (true) {
            const std::string_view line = next();
            const std::string_view kind = line.substr(0, line.find(' '));
            if (kind == "state")
                break;
            if (kind == "hand") {
                if (session->nextHand().accepted()) {
                    --at_;
                    expect(handLines());
                    continue;
                }
            } else if (kind == "lay" || kind == "draw" || kind == "pass") {
                replay(line);
                continue;
            }
            refuse(Text("TableFile", "this line does not follow from the game before it"));
        }
        session->removeListener(this);
        --at_;
        std::ostringstream state;
        writeState(state, session->game());
        expect(state.str());
        if (at_ < lines_.size()) {
            next();
            refuse(Text("TableFile", "the file goes on after the table's state"));
        }
        if (session->decisions() != decisions_) {
            taken_ = levelsLine;
            refuse(Text("TableFile", "the computers' decisions differ from the game"));
        }
        return session;
    }

private:
    // Refuses the file at the line taken last.
    [[noreturn]] void refuse(Text reason) const {
        throw FileRefusal{static_cast<int>(taken_) + 1, std::move(reason)};
    }
    // Refuses a line that is not in the format at all.
    void unreadable() const { refuse(Text("TableFile", "this line cannot be read")); }

    // Takes the next line; the file must not end before the state.
    std::string_view next() {
        taken_ = at_;
        if (at_ >= lines_.size())
            refuse(Text("TableFile", "the file ends before the table's state"));
        return lines_[at_++];
    }

    // The next lines must be exactly these.
    void expect(const std::string& text) {
        for (const std::string_view wanted : splitLines(text)) {
            if (next() != wanted)
                refuse(Text("TableFile", "this line does not agree with the game as replayed"));
        }
    }

    // What the record says of the hand just dealt.
    std::string handLines() const {
        std::ostringstream out;
        RecordWriter(out).hand(session_->game());
        return out.str();
    }

    // The game line and the levels line: the rules, the seed, the seats' levels.
    session::TableSetup readSetup() {
        const std::vector<std::string_view> game = split(next(), ' ');
        if (game.size() != 8 || game[0] != "game")
            unreadable();
        const std::optional<rules::Preset> preset = rules::presetNamed(game[1]);
        rules::Choices choices;
        choices.seats = number<int>(valueOf(game[2], "seats").value_or(""));
        choices.partners = yesNo(valueOf(game[3], "partners"));
        choices.target = number<int>(valueOf(game[4], "target").value_or(""));
        choices.exactTarget = yesNo(valueOf(game[5], "exact"));
        const std::optional<std::string_view> award = valueOf(game[6], "award");
        const std::optional<std::uint64_t> seed =
            number<std::uint64_t>(valueOf(game[7], "seed").value_or(""));
        if (!preset || !choices.seats || !choices.partners || !choices.target ||
            !choices.exactTarget || !seed || (award != "all" && award != "opponents"))
            unreadable();
        choices.opponentsOnly = award == "opponents";
        const rules::ChosenRules chosen = rules::choose(*preset, choices);
        if (!chosen.rules)
            refuse(Text("TableFile", "no table is played with these rules"));
        session::TableSetup setup;
        setup.rules = *chosen.rules;
        setup.seed = *seed;
        --at_;
        std::ostringstream line;
        RecordWriter(line).game(setup.rules, setup.seed);
        expect(line.str());

        const std::vector<std::string_view> levels = split(next(), ' ');
        const std::optional<std::uint64_t> decisions =
            levels.size() == 3 ? number<std::uint64_t>(valueOf(levels[2], "decisions").value_or(""))
                               : std::nullopt;
        if (levels.size() != 3 || levels[0] != "levels" || !decisions)
            unreadable();
        decisions_ = *decisions;
        int seat = 0;
        for (const std::string_view name : split(levels[1], ',')) {
            const std::optional<table::Level> level = table::levelNamed(name);
            if (!level || seat >= setup.rules.seats)
                unreadable();
            setup.levels[std::size_t(seat++)] = *level;
        }
        if (seat != setup.rules.seats)
            unreadable();
        return setup;
    }

    // A recorded move: the seat to play makes it, and the record it leaves
    // must be this line and the ones after it.
    void replay(std::string_view line) {
        --at_;
        const std::vector<std::string_view> w = split(line, ' ');
        const std::optional<int> seat = w.size() >= 2 ? number<int>(w[1]) : std::nullopt;
        std::optional<Move> move;
        if (w[0] == "pass" && w.size() == 2)
            move = Move::pass();
        else if (w[0] == "draw" && w.size() == 3 && dominoNamed(w[2]))
            move = Move::draw();
        else if (w[0] == "lay" && w.size() == 6 && dominoNamed(w[2])) {
            const std::optional<rules::Domino> domino = dominoNamed(w[2]);
            if (w[3] == "left")
                move = Move::lay(*domino, rules::End::Left);
            else if (w[3] == "right")
                move = Move::lay(*domino, rules::End::Right);
            else if (w[3] == "first")
                move = Move::lay(*domino, rules::End::First);
        }
        if (!seat || !move)
            unreadable();
        if (session_->game().phase() != rules::Phase::Playing ||
            *seat != session_->game().turn() + 1)
            refuse(Text("TableFile", "this seat is not the one to play"));
        told_ = rules::Outcome{};
        if (!session_->replay(*move).accepted())
            refuse(Text("TableFile", "the rules refuse this move"));
        std::ostringstream out;
        RecordWriter(out).events(session_->game(), told_);
        expect(out.str());
    }

    // Keeps what the replayed move did, for the record it must leave.
    void tableEvent(const rules::Event& event) override { told_.push(event); }

    std::vector<std::string_view> lines_;
    std::size_t at_ = 0;
    std::size_t taken_ = 0; // the line read last
    std::uint64_t decisions_ = 0;
    session::TableSession* session_ = nullptr;
    rules::Outcome told_;
};

} // namespace

std::string writeTableFile(const session::TableSetup& setup, std::uint64_t decisions,
                           const std::vector<Move>& moves, const Game& now) {
    std::ostringstream out;
    out << TableFileFirstLine << '\n';
    RecordWriter record(out);
    record.game(setup.rules, setup.seed);
    writeLevels(out, setup, decisions);
    Game game(setup.rules, setup.seed);
    record.hand(game);
    for (const Move& move : moves) {
        if (game.phase() == rules::Phase::HandOver && game.dealNextHand() == rules::Refusal::None)
            record.hand(game);
        const rules::Outcome outcome = game.apply(move);
        if (!outcome.accepted())
            break; // the state below then disagrees, and the file is never kept
        record.events(game, outcome);
    }
    while (game.handNumber() < now.handNumber() && game.dealNextHand() == rules::Refusal::None)
        record.hand(game);
    writeState(out, now);
    return out.str();
}

std::string writeTableFile(const session::TableSession& session) {
    return writeTableFile(session.setup(), session.decisions(), session.moves(), session.game());
}

TableFileRead readTableFile(std::string_view bytes) {
    TableFileRead read;
    try {
        read.session = Reader(bytes).read();
    } catch (const FileRefusal& refusal) {
        read.line = refusal.line;
        read.error = Text("SavedGame", "line %1: %2").arg(refusal.line).arg(refusal.reason);
    } catch (const std::invalid_argument&) {
        read.line = 2;
        read.error = Text("SavedGame", "line %1: %2")
                         .arg(2)
                         .arg(Text("TableFile", "no table is played with these rules"));
    }
    return read;
}

} // namespace pipwright::tables
