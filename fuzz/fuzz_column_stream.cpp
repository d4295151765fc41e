// Column definitions read from arbitrary bytes: every input must end in columns or an
// EColumnStreamError, and whatever was read must write back and read again to the same bytes.
#include "components/column_stream.h"
#include "components/grid_table.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quavis;
    TGridTable table;
    try {
        ReadColumnsFromBytes(table, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const EColumnStreamError&) {
    }
    // The columns that were read, written and read again, must give the same stream.
    const std::vector<std::uint8_t> written = WriteColumnsToBytes(table);
    TGridTable again;
    ReadColumnsFromBytes(again, std::string_view(reinterpret_cast<const char*>(written.data()), written.size()));
    if (WriteColumnsToBytes(again) != written)
        std::abort();
    // Rows exercise the definitions that were read (pairs, defaults, sub-tables).
    try {
        again.SetRowCount(2);
    } catch (const EQuavisError&) {
    }
    return 0;
}
