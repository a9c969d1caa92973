#pragma once

#include "game/Text.h"
#include "session/TableSession.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pipwright::tables {

// The first line of every table file; the number is the format's version.
inline constexpr std::string_view TableFileFirstLine = "pipwright-table 1";

// A table file: the first line, the game line of the record format, each
// seat's level with the computers' decision count, then every hand of the
// game so far in the record format, then the state the table is in. The same
// game always gives the same bytes.
std::string writeTableFile(const session::TableSession& session);
// The same from the session's parts: the setup, the decisions made, every
// move of the game and the game as it stands now.
std::string writeTableFile(const session::TableSetup& setup, std::uint64_t decisions,
                           const std::vector<rules::Move>& moves, const rules::Game& now);

struct TableFileRead {
    std::unique_ptr<session::TableSession> session; // only for a file that passes every check
    Text error;                                     // why the file was refused, naming its line
    int line = 0;                                   // the line refused
};

// Reads a table file by replaying every recorded move on a new session from
// the recorded seed; every line must be what the replay writes there.
TableFileRead readTableFile(std::string_view bytes);

} // namespace pipwright::tables
