#include "command_registry.h"
#include "results_json.h"

#include "model/project.h"
#include "model/project_reader.h"
#include "results/plot_data_reader.h"
#include "shell/analysis_run.h"
#include "shell/display_name.h"
#include "shell/names_file.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

namespace {

namespace fs = std::filesystem;

std::string AsLines(std::string text)
{
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

// Headless, the messages of the run go to standard error and no question is ever answered yes.
class CliPrompter : public quavis::Prompter {
public:
    void ShowMessage(const std::string& text, quavis::TMessageKind) override { std::cerr << AsLines(text) << "\n"; }
    quavis::TPromptAnswer AskYesNo(const std::string&) override { return quavis::TPromptAnswer::No; }
    quavis::TPromptAnswer AskYesNoCancel(const std::string&) override { return quavis::TPromptAnswer::Cancel; }
    std::optional<std::string> AskOpenFileName(const quavis::TFileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> AskSaveFileName(const quavis::TFileDialogRequest&) override { return std::nullopt; }
};

// The folder of the running executable: where the engine library and "names.dat" belong.
std::string ExecutableFolder()
{
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) throw quavis::EInOutError("The program folder cannot be found:\r" + error.message());
    return self.parent_path().string();
}

int RunAnalysis(const std::string& projectArgument, const std::string& engine)
{
    quavis::TProject project;
    // Absolute, because the run makes the program folder the current directory.
    const std::string path = quavis::AbsoluteProjectPath(projectArgument);
    const std::string message = quavis::ReadProjectFile(project, path);
    if (!message.empty()) {
        // The run saves before it computes: a project that was not read whole must not overwrite its file.
        std::cerr << AsLines(message) << "\n";
        return 1;
    }
    quavis::LoadProjectResults(project);

    std::string folder = ExecutableFolder();
    std::string library = quavis::EngineLibraryFileName;
    if (!engine.empty()) {
        const fs::path enginePath(quavis::AbsoluteProjectPath(engine));
        folder = enginePath.parent_path().string();
        library = enginePath.filename().string();
    }

    CliPrompter prompter;
    quavis::TAnalysisRun run(
        prompter, project,
        [&project] {
            project.Save();
            return true;
        },
        folder, quavis::DynamicLibraryFactory(), library);
    const quavis::TRunResult result = run.CompRunClick();
    if (result.Outcome != quavis::TRunOutcome::Completed) return 1;

    std::cout << ResultsJson(project.ResultGraphs());
    const std::string& fileName = project.ProgramData().FileName;
    if (!result.PlotDataFound) {
        std::cerr << "No plot-data file was written: " << quavis::PlotDataFileName(fileName)
                  << "\nSee the output text: " << quavis::ChangeFileExt(fileName, ".vqo") << "\n";
        return 1;
    }
    if (!result.PlotDataRead) {
        std::cerr << AsLines(quavis::PlotDataReadErrorMessage) << "\n";
        return 1;
    }
    return 0;
}

const CliCommandRegistrar kRun([](CLI::App& app, std::function<int()>& run) {
    auto* cmd = app.add_subcommand("run", "runs the analysis of PROJECT as Run Analysis does (saves it, calls the "
                                          "engine library) and prints the graphs as JSON");
    auto project = std::make_shared<std::string>();
    auto engine = std::make_shared<std::string>();
    cmd->add_option("PROJECT", *project, "the project file (.vqd)")->required();
    cmd->add_option("--engine", *engine,
                    "the engine library to load instead of QVS3-COMP.DLL in the program's folder; its folder "
                    "takes the program folder's part (\"names.dat\" is written there)");
    cmd->callback([&run, project, engine] { run = [project, engine] { return RunAnalysis(*project, *engine); }; });
});

} // namespace
