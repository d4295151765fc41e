#include "shell/analysis_run.h"

#include "model/project.h"
#include "results/plot_data_reader.h"
#include "shell/names_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace quavis {

namespace fs = std::filesystem;

namespace {

// Runs its action when the scope ends, however it ends.
template <typename F>
class TScopeExit {
public:
    explicit TScopeExit(F action) : m_action(std::move(action)) {}
    ~TScopeExit() { m_action(); }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;

private:
    F m_action;
};

void Run(const std::function<void()>& hook)
{
    if (hook)
        hook();
}

// For the clean-up at the end of a scope, which must not throw.
void RunQuietly(const std::function<void()>& hook) noexcept
{
    try {
        Run(hook);
    } catch (...) {
    }
}

} // namespace

std::string WithoutTrailingSeparator(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

void EnterProgramFolder(const std::string& folder)
{
    if (folder.empty() || ::chdir(folder.c_str()) != 0) {
        const int error = folder.empty() ? ENOENT : errno;
        throw EInOutError("The program folder " + folder + " cannot be made the current directory:\r" +
                          std::strerror(error));
    }
}

TAnalysisRun::TAnalysisRun(Prompter& prompter, TProject& project, std::function<bool()> save,
                           std::string programFolder, LibraryLoaderFactory libraries, std::string libraryFileName)
    : m_prompter(prompter),
      m_project(project),
      m_save(std::move(save)),
      m_programFolder(WithoutTrailingSeparator(std::move(programFolder))),
      m_libraries(std::move(libraries)),
      m_libraryFileName(std::move(libraryFileName))
{
}

TAnalysisRun::~TAnalysisRun() = default;

std::string TAnalysisRun::LibraryPath() const
{
    return (fs::path(m_programFolder) / m_libraryFileName).string();
}

TEngineEntry TAnalysisRun::LoadEngine()
{
    try {
        m_library = m_libraries ? m_libraries() : nullptr;
        if (!m_library)
            throw EDLLNotOpenError();
        m_library->SetLibraryPath(LibraryPath());
        m_library->Open();
        void* entry = m_library->GetEntry(EngineEntryName);
        // A library without the entry is as unusable as a missing one: nothing may be called.
        if (!entry)
            throw EDLLError("The library has no entry " + std::string(EngineEntryName));
        return reinterpret_cast<TEngineEntry>(entry);
    } catch (const EDLLError&) {
        m_library.reset();
        m_prompter.Inform(InitializeDllFailedMessage);
        return nullptr;
    }
}

void TAnalysisRun::CallEngine(TEngineEntry entry)
{
    const std::function<void()> call = [entry] { entry(EngineEntryArgument); };
    try {
        if (Hooks.CallEngine)
            Hooks.CallEngine(call);
        else
            call();
    } catch (...) {
        // The engine reports its faults in its output text, which the completion message points to;
        // whatever escaped the call is treated the same way.
    }
}

TRunResult TAnalysisRun::CompRunClick()
{
    TRunResult result;
    // Only while an engine call is under way (on a worker thread): saving now would rewrite files the
    // engine is reading.
    if (m_library) {
        m_prompter.Inform(ReinitializeDllMessage);
        result.Outcome = TRunOutcome::AlreadyRunning;
        return result;
    }

    TProgramData& data = m_project.ProgramData();
    if (!m_save() || data.FileName == NewProjectFileName)
        return result;

    // The run leaves the project's folder; a relative name would then point into the program folder.
    data.FileName = AbsoluteProjectPath(data.FileName);

    EnterProgramFolder(m_programFolder);
    const std::string list = EngineNamesList(data.FileName);
    const fs::path namesFile = WriteNamesFile(m_programFolder, list);

    if (m_library) {
        m_prompter.Inform(ReinitializeDllMessage);
        result.Outcome = TRunOutcome::AlreadyRunning;
        return result;
    }
    const TEngineEntry entry = LoadEngine();
    if (!entry) {
        result.Outcome = TRunOutcome::LibraryFailed;
        return result;
    }

    {
        // The library is unloaded and the list removed even should reading the results fail.
        TScopeExit unload([this, &namesFile] {
            m_library.reset();
            std::error_code error;
            fs::remove(namesFile, error);
        });

        {
            Run(Hooks.SetWaitCursor);
            Dialog.Visible = true;
            Run(Hooks.ShowDialog);
            TScopeExit restore([this] {
                Dialog.Visible = false;
                RunQuietly(Hooks.HideDialog);
                RunQuietly(Hooks.RestoreCursor);
            });
            CallEngine(entry);
        }

        m_prompter.Inform(ComputationsCompletedMessage);

        result.PlotDataFound = LoadProjectResults(m_project);
        result.PlotDataRead = result.PlotDataFound && m_project.ResultGraphs().ResultsLoaded;
    }
    result.Outcome = TRunOutcome::Completed;
    return result;
}

} // namespace quavis
