// A project file of arbitrary bytes: reading must end with a complete model (or the reader's message),
// and whatever was read must save to a file that reads back to the same data, so that saving it once
// more gives the same bytes.
#include "components/grid_table.h"
#include "model/project.h"
#include "model/project_reader.h"
#include "model/project_writer.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Beyond the file's words no table may grow: rows are appended only as values are read.
void CheckTables(const quavis::TProject& project, std::size_t size)
{
    for (const quavis::TGridTable* table : project.Tables()) {
        if (table->RowCount() < table->MinRows() || static_cast<std::size_t>(table->RowCount()) > size + 1)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quavis;
    // Projects are costly to build (twelve tables with their definitions): one for each role, reused.
    static TProject first;
    static TProject second;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    ReadProjectText(first, bytes, "fuzz.vqd");
    CheckTables(first, size);
    if (first.IsModified()) std::abort();
    ComposeGeometryFile(first);

    const std::string saved = ComposeProjectFile(first);
    const std::string message = ReadProjectText(second, saved, "fuzz.vqd");
    if (!message.empty()) {
        std::fprintf(stderr, "a saved project did not read back: %s\n", message.c_str());
        std::abort();
    }
    if (ComposeProjectFile(second) != saved) {
        std::fprintf(stderr, "a saved project read back to other data\n");
        std::abort();
    }
    return 0;
}
