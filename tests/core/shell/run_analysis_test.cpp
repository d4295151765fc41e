#include "model/project.h"
#include "results/plot_data_reader.h"
#include "shell/analysis_run.h"
#include "shell/analysis_run_worker.h"
#include "shell/display_name.h"
#include "shell/main_form_logic.h"
#include "shell/memory_settings_store.h"
#include "shell/names_file.h"
#include "support/float_compare.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"
#include "support/test_engine/installed_engine.h"
#include "support/test_engine/test_engine_output.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quavis::test {
namespace {

namespace fs = std::filesystem;
namespace out = quavis::test_engine;

long double Number(const char* text)
{
    return std::strtold(text, nullptr);
}

// The curve holds the records' column `column` against omega / 6.2832, as the engine wrote them.
template <std::size_t N>
void ExpectCurve(const TGraphPlot& graph, int curve, const char* const (&records)[out::Records][N],
                 std::size_t column)
{
    ASSERT_GT(graph.LineCount(), curve) << graph.Name;
    const std::vector<TFloatPoint>& points = graph.LineAt(curve).CurvePoints();
    ASSERT_EQ(points.size(), static_cast<std::size_t>(out::Records)) << graph.Name;
    for (int j = 0; j < out::Records; ++j) {
        EXPECT_NEAR_REL(points[j].X, Number(records[j][0]) / PlotDataFrequencyDivisor, 1e-15L) << graph.Name;
        EXPECT_NEAR_REL(points[j].Y, Number(records[j][column]), 1e-15L) << graph.Name << " curve " << curve;
    }
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}

// The main window's logic with Run Analysis wired to it as the window wires it: the Computation item
// reaches the run through the window's dispatch. The program folder and a projects folder are fresh.
class AnalysisRunTest : public ::testing::Test {
protected:
    AnalysisRunTest()
    {
        fs::create_directories(program);
        fs::create_directories(projects);
        logic.FormCreate();
        logic.FormShow({});
        logic.Hooks.Dispatch = [this](const TDispatchRequest& request) {
            if (request.Item == "CompRun")
                result = run.CompRunClick();
        };
        run.Hooks.SetWaitCursor = [this] { events.push_back("wait cursor"); };
        run.Hooks.ShowDialog = [this] { events.push_back(run.Dialog.Visible ? "show dialog" : "show hidden dialog"); };
        run.Hooks.HideDialog = [this] { events.push_back(run.Dialog.Visible ? "hide visible dialog" : "hide dialog"); };
        run.Hooks.RestoreCursor = [this] { events.push_back("restore cursor"); };
        run.Hooks.CallEngine = [this](const std::function<void()>& call) {
            events.push_back(std::string("call") + (fs::exists(program / NamesFileName) ? " with names.dat" : "") +
                             (run.LibraryLoaded() ? " loaded" : ""));
            call();
        };
    }

    ~AnalysisRunTest() override
    {
        std::error_code error;
        fs::current_path(savedCwd, error);
    }

    // A project saved by the program in the projects folder and opened as Open does.
    std::string OpenProject(const std::string& name = "job.vqd")
    {
        const std::string path = (projects / name).string();
        TProject project;
        project.ProgramData().FileName = path;
        project.Save();
        logic.OpenFileName(path);
        return path;
    }

    void Click()
    {
        result.reset();
        logic.ClickItem("CompRun");
    }

    fs::path savedCwd = fs::current_path();
    TempDir dir;
    fs::path program = dir / "program";
    fs::path projects = dir / "projects";
    ScriptedPrompter prompter;
    TMemorySettingsStore store;
    TMainFormLogic logic{prompter, store};
    int saves = 0;
    TAnalysisRun run{prompter, logic.Project(),
                     [this] {
                         ++saves;
                         return logic.FileSaveClick();
                     },
                     program.string() + "/"};
    std::optional<TRunResult> result;
    std::vector<std::string> events;
};

TEST_F(AnalysisRunTest, RunsTheEngineAndFillsTheGraphs)
{
    InstallTestEngine(program, TTestEngine::Full);
    const std::string path = OpenProject();
    fs::remove(path);  // the run's save writes it again

    prompter.ExpectMessage(ComputationsCompletedMessage);
    Click();

    ASSERT_TRUE(result);
    EXPECT_EQ(result->Outcome, TRunOutcome::Completed);
    EXPECT_TRUE(result->PlotDataFound);
    EXPECT_TRUE(result->PlotDataRead);
    EXPECT_TRUE(logic.ResultsLoaded());
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(events, (std::vector<std::string>{"wait cursor", "show dialog", "call with names.dat loaded",
                                                "hide dialog", "restore cursor"}));

    // What the engine was given: the integer 13, the program folder as its current directory, and the
    // seven-line list there.
    const std::string input = ReadFileBytes(path);
    EXPECT_EQ(ReadFileBytes(ChangeFileExt(path, ".vqr")),
              "argument 13\r\ncall 1\r\nfolder " + program.string() + "\r\ninput lines " +
                  std::to_string(std::count(input.begin(), input.end(), '\n')) + "\r\nnames.dat\r\n" +
                  EngineNamesList(path));
    EXPECT_EQ(ReadFileBytes(ChangeFileExt(path, ".vqo")).rfind(out::OutputHeading, 0), 0u);

    // The list is gone, the library unloaded, and the program folder stays the current directory.
    EXPECT_FALSE(fs::exists(program / NamesFileName));
    EXPECT_FALSE(run.LibraryLoaded());
    EXPECT_EQ(fs::current_path(), program);
    EXPECT_FALSE(run.Dialog.Visible);

    const TResultGraphs& g = logic.Project().ResultGraphs();
    for (int c = 0; c < 3; ++c) {
        ExpectCurve(g.pltRealKXX, c, out::Stiffness, 1 + c);
        ExpectCurve(g.pltRealKPPX, c, out::Stiffness, 4 + c);
        ExpectCurve(g.pltDampCXX, c, out::Damping, 1 + c);
        ExpectCurve(g.pltDampCPPX, c, out::Damping, 4 + c);
        ExpectCurve(g.pltDxyzR, c, out::Response, 1 + c);
        ExpectCurve(g.pltMxyzR, c, out::Response, 4 + c);
    }
    ExpectCurve(g.pltRealKXP, 0, out::Stiffness, 7);
    ExpectCurve(g.pltDampCYP, 0, out::Damping, 8);
}

TEST_F(AnalysisRunTest, EveryRunLoadsTheEngineAfresh)
{
    InstallTestEngine(program, TTestEngine::Full);
    const std::string path = OpenProject();
    for (int i = 0; i < 2; ++i) {
        prompter.ExpectMessage(ComputationsCompletedMessage);
        Click();
        ASSERT_TRUE(result);
        EXPECT_EQ(result->Outcome, TRunOutcome::Completed);
        // A library left loaded would count its calls on.
        EXPECT_EQ(ReadFileBytes(ChangeFileExt(path, ".vqr")).substr(0, 21), "argument 13\r\ncall 1\r\n");
    }
}

TEST_F(AnalysisRunTest, AnEngineThatCannotBeHadCallsNothing)
{
    struct Case {
        const char* name;
        std::function<void(const fs::path& program)> install;
    };
    const Case cases[] = {
        {"no library", [](const fs::path&) {}},
        {"no entry", [](const fs::path& p) { InstallTestEngine(p, TTestEngine::NoEntry); }},
        {"not a library", [](const fs::path& p) { WriteFile(p / EngineLibraryFileName, "MZ not an ELF"); }},
        {"a folder", [](const fs::path& p) { fs::create_directory(p / EngineLibraryFileName); }},
    };
    const std::string path = OpenProject();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(program / EngineLibraryFileName);
        c.install(program);
        events.clear();
        prompter.ExpectMessage(InitializeDllFailedMessage);
        Click();
        ASSERT_TRUE(result);
        EXPECT_EQ(result->Outcome, TRunOutcome::LibraryFailed);
        EXPECT_FALSE(run.LibraryLoaded());
        EXPECT_TRUE(events.empty());
        EXPECT_FALSE(fs::exists(ChangeFileExt(path, ".vqr")));
        // The saved files and the list stay for the user to look at.
        EXPECT_EQ(ReadFileBytes(program / NamesFileName), EngineNamesList(path));
    }

    // The next run tries again.
    InstallTestEngine(program, TTestEngine::Full);
    prompter.ExpectMessage(ComputationsCompletedMessage);
    Click();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->Outcome, TRunOutcome::Completed);
    EXPECT_TRUE(logic.ResultsLoaded());
}

TEST_F(AnalysisRunTest, WithoutPlotDataTheResultsFlagKeepsItsValue)
{
    InstallTestEngine(program, TTestEngine::Full);
    const std::string path = OpenProject();
    prompter.ExpectMessage(ComputationsCompletedMessage);
    Click();
    ASSERT_TRUE(logic.ResultsLoaded());

    InstallTestEngine(program, TTestEngine::NoPlotData);
    fs::remove(ChangeFileExt(path, ".vqp"));
    fs::remove(ChangeFileExt(path, ".vqo"));
    prompter.ExpectMessage(ComputationsCompletedMessage);
    Click();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->Outcome, TRunOutcome::Completed);
    EXPECT_FALSE(result->PlotDataFound);
    EXPECT_TRUE(logic.ResultsLoaded());
    EXPECT_TRUE(fs::exists(ChangeFileExt(path, ".vqo")));
    EXPECT_FALSE(fs::exists(program / NamesFileName));
}

TEST_F(AnalysisRunTest, ABrokenPlotDataFileClearsTheResultsFlag)
{
    InstallTestEngine(program, TTestEngine::Full);
    OpenProject();
    prompter.ExpectMessage(ComputationsCompletedMessage);
    Click();
    ASSERT_TRUE(logic.ResultsLoaded());

    // This engine leaves the old plot-data file alone; cut short, it no longer reads.
    InstallTestEngine(program, TTestEngine::NoPlotData);
    WriteFile(ChangeFileExt(logic.ProgramData().FileName, ".vqp"), "2\r\n6.2832 1 2");
    prompter.ExpectMessage(ComputationsCompletedMessage);
    Click();
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->PlotDataFound);
    EXPECT_FALSE(result->PlotDataRead);
    EXPECT_FALSE(logic.ResultsLoaded());
}

TEST_F(AnalysisRunTest, AProjectNeverSavedRunsNothing)
{
    InstallTestEngine(program, TTestEngine::Full);
    prompter.ExpectSaveFile(std::nullopt);
    Click();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->Outcome, TRunOutcome::NotSaved);
    EXPECT_FALSE(fs::exists(program / NamesFileName));
    EXPECT_TRUE(events.empty());
    EXPECT_NE(fs::current_path(), program);
}

TEST_F(AnalysisRunTest, AFailedSaveRunsNothing)
{
    InstallTestEngine(program, TTestEngine::Full);
    OpenProject();
    // The project's folder went away: the save fails with its own message.
    logic.ProgramData().FileName = (dir / "gone" / "job.vqd").string();
    prompter.ExpectMessage();
    Click();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->Outcome, TRunOutcome::NotSaved);
    EXPECT_EQ(prompter.Records().back().Kind, TMessageKind::Error);
    EXPECT_FALSE(fs::exists(program / NamesFileName));
    EXPECT_TRUE(events.empty());
}

TEST_F(AnalysisRunTest, AProgramFolderThatTakesNoListStopsTheRunWithItsName)
{
    InstallTestEngine(program, TTestEngine::Full);
    const std::string path = OpenProject();
    // A folder in the list's place makes the folder refuse the file, whoever runs the test.
    fs::create_directory(program / NamesFileName);
    const auto before = std::distance(fs::directory_iterator(program), fs::directory_iterator());

    prompter.ExpectMessage();
    Click();
    EXPECT_FALSE(result);  // the run ended with its error
    ASSERT_FALSE(prompter.Records().empty());
    const std::string& message = prompter.Records().back().Text;
    EXPECT_NE(message.find(program.string()), std::string::npos) << message;
    EXPECT_NE(message.find(NamesFileName), std::string::npos) << message;
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(run.LibraryLoaded());
    EXPECT_FALSE(fs::exists(ChangeFileExt(path, ".vqr")));
    EXPECT_EQ(std::distance(fs::directory_iterator(program), fs::directory_iterator()), before);
}

TEST_F(AnalysisRunTest, AMissingProgramFolderIsNamed)
{
    OpenProject();
    fs::remove_all(program);
    prompter.ExpectMessage();
    Click();
    EXPECT_FALSE(result);
    ASSERT_FALSE(prompter.Records().empty());
    EXPECT_NE(prompter.Records().back().Text.find(program.string()), std::string::npos);
    EXPECT_TRUE(events.empty());
}

TEST_F(AnalysisRunTest, ASecondRunDuringTheCallIsRefused)
{
    InstallTestEngine(program, TTestEngine::Full);
    OpenProject();
    std::optional<TRunResult> inner;
    run.Hooks.CallEngine = [&](const std::function<void()>& call) {
        inner = run.CompRunClick();
        call();
    };
    prompter.ExpectMessage(ReinitializeDllMessage).ExpectMessage(ComputationsCompletedMessage);
    Click();
    ASSERT_TRUE(inner && result);
    EXPECT_EQ(inner->Outcome, TRunOutcome::AlreadyRunning);
    EXPECT_EQ(result->Outcome, TRunOutcome::Completed);
    // The refused run saved nothing over the files the engine was reading.
    EXPECT_EQ(saves, 1);
}

TEST_F(AnalysisRunTest, ARelativeProjectNameIsHandedOverWhole)
{
    InstallTestEngine(program, TTestEngine::Full);
    const std::string path = OpenProject();
    fs::current_path(projects);
    logic.ProgramData().FileName = "job.vqd";
    prompter.ExpectMessage(ComputationsCompletedMessage);
    Click();
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->PlotDataRead);
    EXPECT_EQ(fs::path(logic.ProgramData().FileName), fs::path(path));
    EXPECT_FALSE(fs::exists(program / "job.vqd"));
}

TEST_F(AnalysisRunTest, TheCallMayRunOnAWorkerThread)
{
    InstallTestEngine(program, TTestEngine::Full);
    OpenProject();
    run.Hooks.CallEngine = [this](const std::function<void()>& call) {
        CallOnWorkerThread(call, [this] { run.Dialog.TimerRunTimer(); }, std::chrono::milliseconds(1));
    };
    prompter.ExpectMessage(ComputationsCompletedMessage);
    Click();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->Outcome, TRunOutcome::Completed);
    EXPECT_TRUE(result->PlotDataRead);
    ExpectCurve(logic.Project().ResultGraphs().pltRealKXX, 0, out::Stiffness, 1);
}

} // namespace
} // namespace quavis::test
