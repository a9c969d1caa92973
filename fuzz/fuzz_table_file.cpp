// Any bytes: the table reader refuses or returns a session, never crashes or
// hangs. A file it takes is exactly what the replayed game writes, and the
// session it gives saves to a file that opens to the same game.
#include "storage/table/TableFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pipwright;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const tables::TableFileRead read = tables::readTableFile(bytes);
    if (!read.session)
        return 0;
    const std::string saved = tables::writeTableFile(*read.session);
    // Only the last line's newline may be missing from a file taken.
    if (bytes != saved && std::string(bytes) + '\n' != saved)
        __builtin_trap();
    const tables::TableFileRead again = tables::readTableFile(saved);
    if (!again.session || !(again.session->game() == read.session->game()) ||
        tables::writeTableFile(*again.session) != saved)
        __builtin_trap();
    return 0;
}
