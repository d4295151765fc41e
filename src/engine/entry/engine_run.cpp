#include "entry/engine_run.h"

#include "entry/output_text.h"
#include "entry/plot_data_text.h"
#include "entry/project_problem.h"

#include "model/file_replacer.h"
#include "model/project.h"
#include "model/project_reader.h"

#include <chrono>
#include <ctime>
#include <exception>
#include <fstream>
#include <iterator>
#include <system_error>

namespace quavis::engine {

namespace {

namespace fs = std::filesystem;

std::string UtcNow()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    gmtime_r(&now, &tm);
    char buffer[64];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S UTC", &tm);
    return buffer;
}

// Writes through a temporary file renamed over the target; a failure is noted in the report.
bool WriteWhole(const std::string& path, const std::string& bytes, const char* what, TRunReport& report)
{
    try {
        ReplaceFiles({{fs::path(path), bytes}});
        return true;
    } catch (const std::exception& e) {
        report.RunErrors.push_back(std::string("The ") + what + " " + path + " could not be written: " + e.what());
    } catch (...) {
        report.RunErrors.push_back(std::string("The ") + what + " " + path + " could not be written.");
    }
    return false;
}

void Analyse(const std::string& projectPath, TRunReport& report)
{
    TProject project;
    report.ReadError = ReadProjectFile(project, projectPath);
    if (!report.ReadError.empty())
        return;
    report.Project = ProblemOfProject(project);
    report.Mapped = true;
    if (report.Project.Unsupported.empty())
        report.Result = numerics::RunFootingAnalysis(report.Project.Problem);
}

} // namespace

std::vector<std::string> ReadNamesList(const fs::path& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void RunEngine(const std::vector<std::string>& names) noexcept
{
    // Without the output text's name there is nowhere to report anything.
    if (names.size() < 3 || names[2].empty())
        return;
    try {
        TRunReport report;
        const auto started = std::chrono::steady_clock::now();
        report.StartTime = UtcNow();
        report.ProjectPath = names[1];
        report.PlotDataPath = names.size() > 3 ? names[3] : std::string();
        if (report.PlotDataPath.empty())
            report.RunErrors.push_back("The file-name list names no plot-data file (its line 4 is missing).");
        else {
            std::error_code ignored;
            fs::remove(report.PlotDataPath, ignored);
        }

        try {
            Analyse(report.ProjectPath, report);
        } catch (const std::exception& e) {
            report.RunErrors.push_back(std::string("The analysis stopped on an unexpected fault: ") + e.what());
        } catch (...) {
            report.RunErrors.push_back("The analysis stopped on an unexpected fault.");
        }

        if (report.Errors().empty())
            report.PlotDataWritten = WriteWhole(report.PlotDataPath,
                                                PlotDataText(report.Result, report.Project.WriteMatrix),
                                                "plot-data file", report);
        report.EndTime = UtcNow();
        report.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        WriteWhole(names[2], OutputText(report), "output text", report);
        if (names.size() > 4 && !names[4].empty())
            WriteWhole(names[4], RunNotesText(report), "run notes", report);
    } catch (...) {
        // Out of memory while reporting: nothing more can be done, and nothing may escape the entry.
    }
}

} // namespace quavis::engine
