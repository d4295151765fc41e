#pragma once

#include "entry/project_problem.h"
#include "numerics/footing_analysis.h"

#include <string>
#include <vector>

namespace quavis::engine {

inline constexpr const char* EngineVersion = "3.0.6";

// Everything one run has to report.
struct TRunReport {
    std::string ProjectPath;
    std::string StartTime; // UTC, as "2026-12-11 16:40:12 UTC"
    std::string EndTime;
    double Seconds = 0.0;
    // The project reader's message when the file could not be read whole.
    std::string ReadError;
    bool Mapped = false; // the project was read and mapped
    TProjectProblem Project;
    numerics::FootingResult Result;
    // Failures of the engine itself (files that could not be written, unexpected faults).
    std::vector<std::string> RunErrors;
    bool PlotDataWritten = false;
    std::string PlotDataPath;

    bool Succeeded() const;
    std::vector<std::string> Errors() const;
    std::vector<std::string> Warnings() const;
};

// The output text (".vqo"): input with units, methods, static stiffnesses, the impedance and response tables
// with peaks and resonance frequencies, and every warning and error in plain words.
std::string OutputText(const TRunReport& report);

// The run notes (".vqr"): version, times, frequencies computed, time taken, warnings and errors.
std::string RunNotesText(const TRunReport& report);

// Local maxima of a sampled curve (interior points above their left and not below their right neighbour).
std::vector<std::size_t> LocalMaxima(const std::vector<double>& values);

} // namespace quavis::engine
