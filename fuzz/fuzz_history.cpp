// Any bytes: the history reader refuses or returns records, never crashes. The
// merged records write a file that reads back to the same records and that a
// second merge leaves alone.
#include "storage/HistoryFormat.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pipwright;
    const HistoryRead read =
        readHistory(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.ok)
        return 0;
    const auto isoDate = [](const PlayDate& d) { return historyLine({d, 0, 0}).substr(1, 10); };
    formatHistory("Ann", read.records, isoDate);
    const std::vector<HistoryRecord> merged = mergeByDate(read.records);
    const HistoryRead again = readHistory(writeHistory(merged));
    if (!again.ok || again.records != merged || mergeByDate(merged) != merged)
        __builtin_trap();
    return 0;
}
