#pragma once

#include "rules/Events.h"
#include "rules/Game.h"

#include <cstdint>
#include <ostream>

namespace pipwright::tables {

// Writes games in the plain record format, one event a line, seats from 1.
class RecordWriter {
public:
    explicit RecordWriter(std::ostream& out) : out_(out) {}
    // The game's line: its rules and its seed.
    void game(const rules::RuleSet& rules, std::uint64_t seed);
    // A freshly dealt hand: its number, its leader, every seat's deal and the rest.
    void hand(const rules::Game& game);
    // What one accepted move did.
    void events(const rules::Game& after, const rules::Outcome& outcome);

private:
    std::ostream& out_;
};

} // namespace pipwright::tables
