// A stand-in for the analysis engine library, built only for tests: it honours the entry and the file-name
// list and writes known output files. Built three ways: the full engine, one that writes no plot-data file
// (QUAVIS_TEST_ENGINE_NO_PLOT) and one without the entry (QUAVIS_TEST_ENGINE_NO_ENTRY).

#include "support/test_engine/test_engine_output.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

namespace out = quavis::test_engine;

#ifdef QUAVIS_TEST_ENGINE_NO_PLOT
constexpr bool WritesPlotData = false;
#else
constexpr bool WritesPlotData = true;
#endif

// Calls since the library was loaded: a fresh load starts again at 0, which the tests use to see that
// every run loads the library anew.
int g_calls = 0;

std::string ReadAll(const std::string& path)
{
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            bytes.append(buffer, n);
        std::fclose(file);
    }
    return bytes;
}

std::vector<std::string> Lines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::string line;
    for (char c : bytes) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

void WriteAll(const std::string& path, const std::string& bytes)
{
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

std::string Record(const char* const* values, int count)
{
    std::string line;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            line += ' ';
        line += values[i];
    }
    return line + "\r\n";
}

// The impedance section goes only to a project that asks for the stiffness matrix; the response
// section always follows (a reader of a project without harmonic loading ignores it).
std::string PlotData(bool matrix)
{
    std::string bytes = std::to_string(out::Records) + "\r\n";
    if (matrix) {
        for (int j = 0; j < out::Records; ++j)
            bytes += Record(out::Stiffness[j], 9) + Record(out::Damping[j], 9);
    }
    for (int j = 0; j < out::Records; ++j)
        bytes += Record(out::Response[j], 7);
    return bytes;
}

void Compute(std::int32_t argument)
{
    ++g_calls;
    const std::vector<std::string> names = Lines(ReadAll("names.dat"));
    if (names.size() < 7)
        return;
    const std::string& project = names[1];
    const std::vector<std::string> input = Lines(ReadAll(project));
    bool matrix = false;
    for (const std::string& line : input)
        matrix = matrix || line == "MATRIX";

    char folder[4096] = "";
    if (!::getcwd(folder, sizeof folder))
        folder[0] = '\0';
    std::string notes = "argument " + std::to_string(argument) + "\r\n";
    notes += "call " + std::to_string(g_calls) + "\r\n";
    notes += std::string("folder ") + folder + "\r\n";
    notes += "input lines " + std::to_string(input.size()) + "\r\n";
    notes += "names.dat\r\n";
    for (const std::string& line : names)
        notes += line + "\r\n";
    WriteAll(names[4], notes);
    WriteAll(names[2], std::string(out::OutputHeading) + "\r\n" + project + "\r\n");
    if (WritesPlotData)
        WriteAll(names[3], PlotData(matrix));
}

} // namespace

#ifdef QUAVIS_TEST_ENGINE_NO_ENTRY
// Loads like an engine but exports its work under another name, so the entry lookup finds nothing.
extern "C" __attribute__((visibility("default"))) void IQUAVIS_missing(std::int32_t argument)
{
    Compute(argument);
}
#else
extern "C" __attribute__((visibility("default"))) void _IQUAVIS(std::int32_t argument)
{
    Compute(argument);
}
#endif
