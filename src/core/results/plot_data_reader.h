#pragma once

#include "model/program_data.h"
#include "results/result_graphs.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace quavis {

class TProject;

// What the user is told when a plot-data file cannot be read (when the caller asks for a report).
inline constexpr const char* PlotDataReadErrorMessage = "An error occured in running the main program.";

// Circular frequencies (rad/s) in the file become x values in Hz by this divisor (not 2*pi).
inline constexpr long double PlotDataFrequencyDivisor = 6.2832L;

// A claimed point count larger than this is accepted only when the file holds the records for it, so
// that a corrupt count cannot exhaust memory before the read reaches its end.
inline constexpr int PlotDataMaxUnbackedPoints = 100000;

// Shows a message to the user (an information box with an OK button on the desktop).
using TInformationBox = std::function<void(const std::string& message)>;

// The project's plot-data file: its path with the extension replaced by ".vqp" (appended when the file
// name has none).
std::string PlotDataFileName(const std::string& projectFileName);

// Reads the plot-data file at `path` into the graphs, following the project's WriteMatrix, LoadingType
// and UnitSystem. True on success. On any failure (the file cannot be opened, a word is not a number,
// the file ends early, a count no file could back) it returns false, never throws, and leaves the
// points written before the failure in place; curve names and Units are then not updated. With
// `reportErrors` the user is told PlotDataReadErrorMessage through `inform`; `failureDetail`, when
// given, receives the underlying message. Every graph's plot window is told afterwards that the curves
// may have changed.
bool ReadPlotData(TResultGraphs& graphs, const TProgramData& data, const std::filesystem::path& path,
                  bool reportErrors = false, const TInformationBox& inform = {},
                  std::string* failureDetail = nullptr);

// The same read over bytes already in memory, as if they were the file's content.
bool ReadPlotDataText(TResultGraphs& graphs, const TProgramData& data, std::string_view bytes,
                      bool reportErrors = false, const TInformationBox& inform = {},
                      std::string* failureDetail = nullptr);

// What every opening of a project and the analysis run do afterwards: when the project's plot-data
// file exists, read it (no report) and store the outcome in ResultsLoaded; otherwise leave ResultsLoaded
// as it is. Returns whether the file existed.
bool LoadProjectResults(TResultGraphs& graphs, const TProgramData& data, std::string* failureDetail = nullptr);
bool LoadProjectResults(TProject& project, std::string* failureDetail = nullptr);

} // namespace quavis
