// The engine library's one export: the program calls it with 13 after writing "names.dat" into the
// current directory; it blocks until the output files are written.

#include "entry/engine_run.h"

#include <cstdint>

extern "C" __attribute__((visibility("default"))) void _IQUAVIS(std::int32_t /*argument*/)
{
    try {
        quavis::engine::RunEngine(quavis::engine::ReadNamesList("names.dat"));
    } catch (...) {
        // RunEngine throws nothing; this only keeps a fault in reading the list inside the library.
    }
}
