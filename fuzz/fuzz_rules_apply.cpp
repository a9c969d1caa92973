// Any bytes: a table of any preset and seat count, then moves chosen from the
// bytes, some among the legal moves and some anything at all (dominoes not
// held, ends that do not match, draws and passes out of turn, deals in the
// middle of a hand). After each one the audit must find every rule kept:
// refusals change nothing, accepted moves are legal, every domino is in one
// place, scores add up, leaders follow the rule set.
#include "rules/Audit.h"
#include "rules/Game.h"
#include "rules/Presets.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace pipwright::rules {
namespace {

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void stopIfBroken(const std::string& fault, int step) {
    if (fault.empty())
        return;
    std::fprintf(stderr, "step %d: %s\n", step, fault.c_str());
    std::abort();
}

// A move from two bytes: a legal one, or anything at all.
Move moveFrom(Bytes& bytes, const Game& game) {
    const std::uint8_t how = bytes.next(), which = bytes.next();
    const MoveList legal = game.legalMoves(game.turn());
    if (how % 4 != 0 && !legal.empty())
        return legal[which % legal.size()];
    switch (how / 4 % 4) {
    case 0:
        return Move::draw();
    case 1:
        return Move::pass();
    default:
        break;
    }
    const Domino domino =
        which % 32 < DominoCount
            ? Domino::at(which % 32)
            : Domino{static_cast<std::int8_t>(which % 9), static_cast<std::int8_t>(which / 9 % 9)};
    return Move::lay(domino, static_cast<End>(which / 32 % 3));
}

} // namespace
} // namespace pipwright::rules

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pipwright::rules;
    Bytes bytes(data, size);
    const auto all = presets();
    const PresetInfo& info = all[bytes.next() % all.size()];
    Choices choices;
    const int seats = info.minSeats + bytes.next() % (info.maxSeats - info.minSeats + 1);
    choices.seats = seats;
    choices.partners =
        info.defaults.partners || (info.partnersChoice && seats == 4 && bytes.next() % 2 == 1);
    choices.exactTarget = info.exactChoice && bytes.next() % 2 == 1;
    const int target = info.targets[bytes.next() % info.targets.size()];
    if (target > 0)
        choices.target = target;
    const ChosenRules chosen = choose(info.preset, choices);
    if (!chosen.rules)
        return 0;
    std::uint64_t seed = 0;
    for (int i = 0; i < 8; ++i)
        seed = seed << 8 | bytes.next();
    Game game(*chosen.rules, seed);
    Audit audit(game);
    stopIfBroken(Audit::atStart(game), 0);
    for (int step = 1; !bytes.empty() && game.phase() != Phase::GameOver; ++step) {
        const Game before = game;
        if (game.phase() == Phase::HandOver || bytes.next() % 16 == 0) {
            const Refusal refusal = game.dealNextHand();
            if (refusal == Refusal::None)
                stopIfBroken(audit.afterDeal(before, game), step);
            else if (!(game == before))
                stopIfBroken("a refused deal changed the game", step);
            continue;
        }
        const Move move = moveFrom(bytes, game);
        const Outcome outcome = game.apply(move);
        stopIfBroken(audit.afterMove(before, move, outcome, game), step);
    }
    return 0;
}
