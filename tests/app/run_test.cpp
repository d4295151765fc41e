#include "app_fixture.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

#include <QProgressBar>

#include "shell/analysis_run.h"
#include "shell/dlg_run_analysis.h"
#include "shell/external_programs.h"
#include "support/cli_runner.h"
#include "support/test_engine/installed_engine.h"
#include "support/test_engine/test_engine_output.h"

namespace quavis::test {
namespace {

namespace fs = std::filesystem;

class RunAnalysisTest : public MainFormTest {
protected:
    std::string SavedProject(const std::string& name = "run.vqd")
    {
        const fs::path path = projects / name;
        const CliResult result = RunCli({"new", path.string()});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return path.string();
    }

    void RunFromMenu()
    {
        OpenMenu("ComputationMenu");
        Click("CompRun");
    }
};

TEST_F(RunAnalysisTest, RunWithTheTestEngineFillsTheGraphs)
{
    InstallTestEngine(programFolder.Path(), TTestEngine::Full);
    const std::string project = SavedProject();
    Start({project});
    EXPECT_EQ(form->RunDialog()->windowTitle(), QStringLiteral("Quavis, Run Analysis"));
    EXPECT_EQ(form->RunDialog()->ProgressBarRun()->maximum(), 100);
    EXPECT_EQ(form->RunDialog()->ProgressBarRun()->value(), 50);

    prompter.ExpectMessage(ComputationsCompletedMessage);
    RunFromMenu();

    EXPECT_TRUE(form->Logic().ResultsLoaded());
    const TResultGraphs& graphs = form->Logic().Project().ResultGraphs();
    EXPECT_EQ(graphs.pltRealKXX.CurvePointCount(), test_engine::Records);
    EXPECT_EQ(graphs.pltDxyzR.CurvePointCount(), test_engine::Records);
    EXPECT_FALSE(form->RunDialog()->isVisible());
    EXPECT_FALSE(form->Run().LibraryLoaded());
    EXPECT_FALSE(fs::exists(programFolder / "names.dat"));
    EXPECT_EQ(fs::current_path(), programFolder.Path());

    // The engine's text files now exist: their Computation items come on.
    OpenMenu("ComputationMenu");
    EXPECT_TRUE(form->Action("CompOutput")->isEnabled());
    EXPECT_TRUE(form->Action("CompKernel")->isEnabled());
    // The Graphics menu follows the loaded results.
    OpenMenu("GraphicsMenu");
    ASSERT_NE(form->Action("mrealKxx"), nullptr);
    EXPECT_TRUE(form->Action("mrealKxx")->isEnabled());
}

struct TFailedRunCase {
    const char* Name;
    bool Install;
    TTestEngine Engine;
};

class FailedRunTest : public RunAnalysisTest, public ::testing::WithParamInterface<TFailedRunCase> {};

TEST_P(FailedRunTest, ReportsThatTheLibraryCouldNotBeHadAndCallsNothing)
{
    if (GetParam().Install)
        InstallTestEngine(programFolder.Path(), GetParam().Engine);
    Start({SavedProject()});
    prompter.ExpectMessage(InitializeDllFailedMessage);
    RunFromMenu();
    EXPECT_FALSE(form->Logic().ResultsLoaded());
    EXPECT_FALSE(form->Run().LibraryLoaded());
    EXPECT_FALSE(fs::exists(projects / "run.vqo"));
    // The list stays for a failed load; a second run tries again.
    EXPECT_TRUE(fs::exists(programFolder / "names.dat"));
    prompter.ExpectMessage(InitializeDllFailedMessage);
    RunFromMenu();
}

INSTANTIATE_TEST_SUITE_P(Engines, FailedRunTest,
                         ::testing::Values(TFailedRunCase{"Missing", false, TTestEngine::Full},
                                           TFailedRunCase{"WithoutEntry", true, TTestEngine::NoEntry}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(RunAnalysisTest, ResultsKeepTheirStateWhenTheEngineWritesNoPlotData)
{
    InstallTestEngine(programFolder.Path(), TTestEngine::NoPlotData);
    Start({SavedProject()});
    prompter.ExpectMessage(ComputationsCompletedMessage);
    RunFromMenu();
    EXPECT_FALSE(form->Logic().ResultsLoaded());
    EXPECT_TRUE(fs::exists(projects / "run.vqo"));
}

TEST_F(RunAnalysisTest, ACancelledSaveOfANewProjectRunsNothing)
{
    InstallTestEngine(programFolder.Path(), TTestEngine::Full);
    Start();
    prompter.ExpectSaveFile(std::nullopt);
    RunFromMenu();
    EXPECT_FALSE(fs::exists(programFolder / "names.dat"));
    EXPECT_FALSE(form->Logic().ResultsLoaded());
}

TEST_F(RunAnalysisTest, AProgramFolderThatCannotTakeTheListIsNamedInTheMessage)
{
    InstallTestEngine(programFolder.Path(), TTestEngine::Full);
    Start({SavedProject()});
    // A folder in the list's place: the list cannot be written there, by root neither.
    fs::create_directories(programFolder / "names.dat" / "inside");
    prompter.ExpectMessage();
    RunFromMenu();
    ASSERT_EQ(prompter.Records().size(), 1u);
    EXPECT_NE(prompter.Records()[0].Text.find(programFolder.Path().string()), std::string::npos)
        << prompter.Records()[0].Text;
    EXPECT_FALSE(form->Logic().ResultsLoaded());
    EXPECT_FALSE(fs::exists(projects / "run.vqo"));
}

// An engine that computes for a while, so that the window's part during the call can be seen.
std::atomic<int> g_slowCalls{0};
void SlowEngine(std::int32_t argument)
{
    if (argument == 13)
        ++g_slowCalls;
    std::this_thread::sleep_for(std::chrono::milliseconds(350));
}

class SlowEngineLibrary : public LibraryLoader {
public:
    void SetLibraryPath(const std::string& path) override { m_path = path; }
    std::string LibraryPath() const override { return m_path; }
    void Open() override { m_open = true; }
    bool IsOpen() const override { return m_open; }
    void* GetEntry(const std::string& name) override
    {
        return name == "_IQUAVIS" ? reinterpret_cast<void*>(&SlowEngine) : nullptr;
    }
    void Close() override { m_open = false; }

private:
    std::string m_path;
    bool m_open = false;
};

TEST_F(RunAnalysisTest, TheRunDialogKeepsMovingWhileTheEngineComputes)
{
    TMainFormServices services = Services({SavedProject()});
    services.libraries = [] { return std::make_unique<SlowEngineLibrary>(); };
    form = std::make_unique<TMainForm>(std::move(services));
    form->show();
    QCoreApplication::processEvents();
    g_slowCalls = 0;
    prompter.ExpectMessage(ComputationsCompletedMessage);
    RunFromMenu();
    EXPECT_EQ(g_slowCalls, 1);
    // The dialog's timer ran during the call: events were processed while the engine worked.
    EXPECT_NE(form->Run().Dialog.ProgressPosition, 50);
    EXPECT_EQ(form->RunDialog()->ProgressBarRun()->value(), form->Run().Dialog.ProgressPosition);
    EXPECT_FALSE(form->RunDialog()->isVisible());
    EXPECT_FALSE(form->Run().LibraryLoaded());
}

// The real launcher: the word processor path is the program, never split, and the target reaches it
// as one argument however many blanks and quotes it holds.
TEST_F(RunAnalysisTest, RealLauncherHandsThePathOverWithoutAShell)
{
    const fs::path folder = projects / "with \"quotes\" and blanks";
    fs::create_directories(folder);
    const fs::path project = folder / "p q.vqd";
    ASSERT_EQ(RunCli({"new", project.string()}).exitCode, 0);
    TMainFormServices services = Services({project.string()});
    services.launcher = nullptr;
    form = std::make_unique<TMainForm>(std::move(services));
    form->show();
    form->Logic().Settings().WordProcessorPath = "/usr/bin/touch";
    form->External().CompOutputClick();
    const fs::path output = folder / "p q.vqo";
    for (int i = 0; i < 100 && !fs::exists(output); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(fs::exists(output));

    form->Logic().Settings().WordProcessorPath = (programFolder / "no such editor").string();
    prompter.ExpectMessage(WordProcessorErrorMessage);
    form->External().CompInputClick();
}

} // namespace
} // namespace quavis::test
