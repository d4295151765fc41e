#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quavis {

// The complete new content of one file.
struct TFileContent {
    std::filesystem::path Path;
    std::string Bytes;
};

// Replaces a set of files together, so that a failed save never leaves a half-written or missing file:
// every content goes to a temporary file in its target's folder first, and only when all of them are
// complete on disk are they renamed over their targets. Should a rename fail after an earlier one
// succeeded, the earlier targets get their previous content back.
// Throws EInOutError with the operating system's message; the targets are then as they were.
void ReplaceFiles(const std::vector<TFileContent>& files);

} // namespace quavis
