#include "model/project.h"
#include "results/plot_data_reader.h"
#include "support/cli_runner.h"
#include "support/float_compare.h"
#include "support/temp_dir.h"
#include "support/test_engine/installed_engine.h"
#include "support/test_engine/test_engine_output.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quavis::test {
namespace {

namespace fs = std::filesystem;
namespace out = quavis::test_engine;

const char* const CompletedLine =
    "Computations are completed. Please, check output file for results or error messages.\n";

// A program folder with an engine in it and a saved default project (harmonic, stiffness matrix).
struct RunJob {
    TempDir dir;
    fs::path program = dir / "program";
    fs::path project = dir / "jobs" / "job.vqd";

    explicit RunJob(std::optional<TTestEngine> engine)
    {
        fs::create_directories(program);
        fs::create_directories(project.parent_path());
        if (engine)
            InstallTestEngine(program, *engine);
        TProject p;
        p.ProgramData().FileName = project.string();
        p.Save();
    }

    std::string Engine() const { return (program / "QVS3-COMP.DLL").string(); }
};

const nlohmann::json& Graph(const nlohmann::json& doc, const std::string& name)
{
    for (const auto& graph : doc.at("graphs"))
        if (graph.at("name") == name)
            return graph;
    throw std::runtime_error("no graph " + name);
}

TEST(RunCommand, RunsTheEngineAndPrintsTheGraphs)
{
    RunJob job(TTestEngine::Full);
    fs::remove(job.project.parent_path() / "job.vqt");  // the run's save writes it again
    const CliResult r = RunCli({"run", job.project.string(), "--engine", job.Engine()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, CompletedLine);

    const auto doc = nlohmann::json::parse(r.out);
    EXPECT_TRUE(doc.at("resultsLoaded").get<bool>());
    const auto& kww = Graph(doc, "pltRealKXX").at("curves").at(2);
    EXPECT_EQ(kww.at("legend"), "Kww");
    ASSERT_EQ(kww.at("points").size(), static_cast<std::size_t>(out::Records));
    for (int j = 0; j < out::Records; ++j) {
        EXPECT_NEAR_REL(kww.at("points")[j][0].get<double>(),
                        std::strtold(out::Stiffness[j][0], nullptr) / PlotDataFrequencyDivisor, 1e-15L);
        EXPECT_NEAR_REL(kww.at("points")[j][1].get<double>(), std::strtod(out::Stiffness[j][3], nullptr), 1e-15L);
    }
    const auto& rz = Graph(doc, "pltMxyzR").at("curves").at(2);
    EXPECT_NEAR_REL(rz.at("points")[1][1].get<double>(), std::strtod(out::Response[1][6], nullptr), 1e-15L);

    EXPECT_TRUE(fs::exists(job.project.parent_path() / "job.vqt"));
    EXPECT_TRUE(fs::exists(job.project.parent_path() / "job.vqo"));
    EXPECT_FALSE(fs::exists(job.program / "names.dat"));
}

TEST(RunCommand, ARelativeProjectPathIsFoundFromTheCurrentDirectory)
{
    RunJob job(TTestEngine::Full);
    const fs::path saved = fs::current_path();
    fs::current_path(job.project.parent_path());
    const CliResult r = RunCli({"run", "job.vqd", "--engine", job.Engine()});
    fs::current_path(saved);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(nlohmann::json::parse(r.out).at("resultsLoaded").get<bool>());
    EXPECT_FALSE(fs::exists(job.program / "job.vqd"));
}

TEST(RunCommand, Failures)
{
    struct Case {
        const char* name;
        std::optional<TTestEngine> engine;
        bool removeProject;
        std::string err;  // what standard error begins with
        bool json;        // the graphs are printed
    };
    const Case cases[] = {
        {"no engine", std::nullopt, false, "Attempt to initialize DLL failed\n", false},
        {"no entry", TTestEngine::NoEntry, false, "Attempt to initialize DLL failed\n", false},
        {"no plot data", TTestEngine::NoPlotData, false, std::string(CompletedLine) + "No plot-data file was written: ",
         true},
        {"no project", TTestEngine::Full, true, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunJob job(c.engine);
        if (c.removeProject)
            fs::remove(job.project);
        const CliResult r = RunCli({"run", job.project.string(), "--engine", job.Engine()});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
        EXPECT_FALSE(r.err.empty());
        if (c.json)
            EXPECT_FALSE(nlohmann::json::parse(r.out).at("resultsLoaded").get<bool>());
        else
            EXPECT_EQ(r.out, "");
        if (c.removeProject) {
            // A project that could not be read is neither run nor written over.
            EXPECT_FALSE(fs::exists(job.project));
            EXPECT_FALSE(fs::exists(job.program / "names.dat"));
        }
    }
}

// Runs a copy of the tool placed in `folder`, as an installed program would be run.
CliResult RunInstalledCli(const fs::path& folder, const std::vector<std::string>& args)
{
    const fs::path tool = folder / "quavis-cli";
    fs::copy_file(QUAVIS_CLI_PATH, tool);
    TempDir streams;
    std::vector<std::string> argv{tool.string()};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargv;
    for (auto& a : argv)
        cargv.push_back(a.data());
    cargv.push_back(nullptr);
    const fs::path outPath = streams / "out", errPath = streams / "err";
    const pid_t pid = fork();
    if (pid == 0) {
        const int o = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int e = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (o < 0 || e < 0)
            _exit(127);
        dup2(o, 1);
        dup2(e, 2);
        execv(cargv[0], cargv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileBytes(outPath), ReadFileBytes(errPath)};
}

TEST(RunCommand, TheEngineIsLookedUpBesideTheTool)
{
    RunJob job(TTestEngine::Full);
    const CliResult r = RunInstalledCli(job.program, {"run", job.project.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(nlohmann::json::parse(r.out).at("resultsLoaded").get<bool>());
    EXPECT_FALSE(fs::exists(job.program / "names.dat"));
    // The engine ran in the tool's folder.
    const std::string notes = ReadFileBytes(job.project.parent_path() / "job.vqr");
    EXPECT_NE(notes.find("folder " + job.program.string() + "\r\n"), std::string::npos) << notes;
}

TEST(RunCommand, UsageErrors)
{
    EXPECT_EQ(RunCli({"run"}).exitCode, 2);
    EXPECT_EQ(RunCli({"run", "a.vqd", "--engine"}).exitCode, 2);
}

} // namespace
} // namespace quavis::test
