#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "shell/analysis_run_dialog.h"
#include "shell/dynamic_library.h"
#include "shell/library_loader.h"
#include "shell/prompter.h"

namespace quavis {

class TProject;

inline constexpr const char* EngineLibraryFileName = "QVS3-COMP.DLL";
inline constexpr const char* EngineEntryName = "_IQUAVIS";
inline constexpr std::int32_t EngineEntryArgument = 13;

inline constexpr const char* ReinitializeDllMessage = "Attempt to reinitialize DLL";
inline constexpr const char* InitializeDllFailedMessage = "Attempt to initialize DLL failed";
inline constexpr const char* ComputationsCompletedMessage =
    "Computations are completed. Please, check output file for results or error messages.";

// How a run ended.
enum class TRunOutcome {
    NotSaved,        // the save was cancelled or failed: nothing else happened
    AlreadyRunning,  // a library was still loaded ("Attempt to reinitialize DLL")
    LibraryFailed,   // the engine library or its entry could not be had ("Attempt to initialize DLL failed")
    Completed,       // the engine was called and the run finished
};

struct TRunResult {
    TRunOutcome Outcome = TRunOutcome::NotSaved;
    // After the call the project's plot-data file existed, and was read without a fault.
    bool PlotDataFound = false;
    bool PlotDataRead = false;
};

// What the window does around the engine call. Every hook may be left empty (headless).
struct TAnalysisRunHooks {
    // Remembers the screen cursor and shows the hourglass.
    std::function<void()> SetWaitCursor;
    // Shows the run dialog (not modal) and paints it at once; Dialog.Visible is already set.
    std::function<void()> ShowDialog;
    std::function<void()> HideDialog;
    // Puts back the cursor SetWaitCursor remembered.
    std::function<void()> RestoreCursor;
    // Runs the engine call and returns when it has finished; empty: the call runs right here. The
    // desktop may hand it to CallOnWorkerThread so that the dialog's bar moves meanwhile. While the call
    // runs, the window must not start commands that change the current directory or the project's
    // files: the engine is reading them. A second Run Analysis is refused ("Attempt to reinitialize DLL").
    std::function<void(const std::function<void()>& call)> CallEngine;
};

// Run Analysis (CompRunClick): saves the project, writes "names.dat" in the program folder, loads the
// engine library there for this run only, calls its entry with 13, reports completion, reads the
// plot-data file into the project's graphs and unloads the library.
class TAnalysisRun {
public:
    // `save` is the Save command of the main window: it asks for a name when the project has none and
    // returns whether the project file was written. `programFolder` is the folder of the program's
    // executable; the engine is `libraryFileName` in it.
    TAnalysisRun(Prompter& prompter, TProject& project, std::function<bool()> save, std::string programFolder,
                 LibraryLoaderFactory libraries = DynamicLibraryFactory(),
                 std::string libraryFileName = EngineLibraryFileName);
    ~TAnalysisRun();
    TAnalysisRun(const TAnalysisRun&) = delete;
    TAnalysisRun& operator=(const TAnalysisRun&) = delete;

    TAnalysisRunHooks Hooks;
    TDlgRunAnalysis Dialog;

    // The whole run. Messages reach the user through the prompter. Throws EInOutError when the program
    // folder cannot be made the current directory and ENamesFileError (naming the folder) when
    // "names.dat" cannot be written there; nothing is loaded or called then.
    TRunResult CompRunClick();

    // The program folder without a trailing separator.
    const std::string& ProgramFolder() const { return m_programFolder; }
    std::string LibraryPath() const;
    // The library slot is taken: only while a run is between loading and unloading the engine.
    bool LibraryLoaded() const { return m_library != nullptr; }

private:
    // Loads the library into the slot and returns the entry, or empties the slot and returns nullptr.
    TEngineEntry LoadEngine();
    void CallEngine(TEngineEntry entry);

    Prompter& m_prompter;
    TProject& m_project;
    std::function<bool()> m_save;
    std::string m_programFolder;
    LibraryLoaderFactory m_libraries;
    std::string m_libraryFileName;
    std::unique_ptr<LibraryLoader> m_library;
};

// A folder path without its trailing separators ("/" stays "/").
std::string WithoutTrailingSeparator(std::string folder);

// Makes the program folder the current directory; throws EInOutError naming the folder when it cannot.
void EnterProgramFolder(const std::string& folder);

} // namespace quavis
