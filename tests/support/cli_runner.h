#pragma once

#include <string>
#include <vector>

namespace quavis::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built quavis-cli with the arguments (no shell involved) and captures both streams.
CliResult RunCli(const std::vector<std::string>& args);

} // namespace quavis::test
