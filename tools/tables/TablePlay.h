#pragma once

#include "computer/table/TablePlayer.h"
#include "rules/RuleSet.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <vector>

namespace pipwright::tables {

struct TablePlayOptions {
    rules::RuleSet rules;
    std::array<table::Level, rules::MaxSeats> levels{}; // one per seat
    long games = 100;
    std::uint64_t seed = 1;
    std::ostream* record = nullptr; // every game in the record format, when set
    bool reopen = false;            // save and reopen the table after every move and deal
};

struct TablePlayResult {
    long games = 0;
    long hands = 0;
    std::array<long, rules::MaxSeats> sideWins{};
    long violations = 0;
    long reopens = 0;             // tables saved and reopened
    long sheetsChecked = 0;       // finished games whose score sheet was added up
    long sheetViolations = 0;     // sheets that did not add up to the game
    std::vector<double> masterMs; // processor time of each Master decision, in ms
};

// Plays whole games headless, every seat a computer level, and audits every
// move and deal against the rules.
TablePlayResult playTables(const TablePlayOptions& options, std::ostream& diagnostics);

} // namespace pipwright::tables
