#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quavis::engine {

// The lines of "names.dat" (line ends CR LF or LF); empty when the file cannot be read.
std::vector<std::string> ReadNamesList(const std::filesystem::path& path);

// One analysis run from the file-name list: reads the project (line 2), writes the output text (line 3),
// the plot-data file (line 4, complete or not at all) and the run notes (line 5). Every failure goes into
// the output text and the run notes; an earlier plot-data file is removed first, so that a failed run
// never leaves stale results for the program to show. Throws nothing.
void RunEngine(const std::vector<std::string>& names) noexcept;

} // namespace quavis::engine
