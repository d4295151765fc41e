// The engine library's one export: the program calls it with 13 after writing "names.dat" into the
// current directory; it blocks until the output files are written.

#include "entry/engine_run.h"

#include "components/grid_table_list.h"
#include "model/project.h"

#include <cstdint>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// The core's list of table templates in use is made on first use and kept for the life of the process, out
// of reach from here; in this library it goes with every unload. The leak checker is told so once, by
// making it while the checker looks away, so that it still reports any other leak of a run.
void MakeCoreSingletons()
{
#if defined(__SANITIZE_ADDRESS__)
    static bool made = false;
    if (made)
        return;
    made = true;
    __lsan_disable();
    try {
        const quavis::TProject project;
    } catch (...) {
    }
    __lsan_enable();
#endif
}

} // namespace

extern "C" __attribute__((visibility("default"))) void _IQUAVIS(std::int32_t /*argument*/)
{
    try {
        MakeCoreSingletons();
        quavis::engine::RunEngine(quavis::engine::ReadNamesList("names.dat"));
    } catch (...) {
        // RunEngine throws nothing; this only keeps a fault in reading the list inside the library.
    }
}

namespace {

// The core keeps its list of grid tables for the life of the process, never freed, so that tables in other
// static objects may still leave it at exit. This library's own copy of the core would lose it at every
// unload; by then no table of a run is left, and the list goes with the library.
__attribute__((destructor)) void ReleaseGridTableList()
{
    const std::vector<quavis::TGridTable*>& list = quavis::GridTableRegistry();
    if (list.empty())
        delete &list;
}

} // namespace
