#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "shell/process_launcher.h"
#include "shell/prompter.h"

namespace quavis {

class TProject;

inline constexpr const char* WordProcessorErrorMessage = "An error occurred in running the Word Processor";
inline constexpr const char* GraphicsProcessorErrorMessage = "An error occurred in running the Graphics Processor";

// Files of the program folder.
inline constexpr const char* ViewerFileName = "Qvs3-viewer.exe";
inline constexpr const char* HelpContentsFileName = "Quavis3Help.chm";
inline constexpr const char* ManualFileName = "Quavis v3 Manual.pdf";

// The maker's update-check page, and the date this version was built (mm/dd/yy).
inline constexpr const char* UpdateCheckSite = "https://updates.example.com";
inline constexpr const char* UpdateCheckPath = "/checkupdates/check/check.php?";
inline constexpr const char* QuavisBuildDate = "12/11/26";

// A date as mm/dd/yy.
std::string ShortUsDate(std::chrono::year_month_day date);

// The update page's address: the product and version, the build date and the day of the check, joined by
// ";" after the page's query start.
std::string UpdateCheckAddress(std::chrono::year_month_day today);

// The Computation items that act on a project's text files are enabled only while their file exists.
struct TComputationFileItems {
    bool Input = false;   // "Edit I&nput Text": the project file
    bool Kernel = false;  // "Edit &Processor-Run Notes": ".vqr"
    bool Output = false;  // "Edit &Output Text": ".vqo"
};
TComputationFileItems ComputationFileItems(const std::string& projectFileName);

// The about box's texts; FormActivate replaces the design-time version line.
struct TAboutBox {
    static constexpr const char* Caption = "About TALVERN";
    static constexpr const char* ProductName = "QUAVIS";
    static constexpr const char* Description = "A program for Dynamic Analysis of Both Shallow and Deep Foundations "
                                               "Under Harmonic, Transient and Random Loading";
    std::string Version = "Version 3.0";

    void FormActivate();
};

// The commands that hand work to programs outside this one: the word processor on the project's text
// files, the 3D viewer, the help, the manual and the update page. Programs are started without a shell:
// the program path is taken whole and a file path is its one argument, so blanks and quotes in either
// are plain characters.
class TExternalPrograms {
public:
    // `save` is the main window's Save command (true when the project file was written);
    // `wordProcessorPath` gives the current WordProcessorPath; `programFolder` is the folder of the
    // program's executable.
    TExternalPrograms(Prompter& prompter, ProcessLauncher& launcher, TProject& project, std::function<bool()> save,
                      std::function<std::string()> wordProcessorPath, std::string programFolder);

    // Runs the command of that menu item (CompInput, CompKernel, CompOutput, N3DView1, HelpContents,
    // Contents1, About1); false for any other name.
    bool ClickItem(const std::string& name);

    // The word processor on the project file, its run notes (".vqr") and its output text (".vqo").
    void CompInputClick();
    void CompKernelClick();
    void CompOutputClick();
    // Saves, writes the viewer's "names.dat" in the program folder (which becomes and stays the current
    // directory) and starts the viewer there without arguments. Nothing happens after a cancelled or
    // failed save. Throws EInOutError when the folder cannot be entered and ENamesFileError when the list
    // cannot be written; the viewer is not started then.
    void N3DView1Click();
    void HelpContentsClick();
    void Contents1Click();
    void About1Click();

    // Set by the 3D view: the viewer program in the program folder.
    std::string ViewerPath;
    // The day of the update check; the system clock's unless replaced.
    std::function<std::chrono::year_month_day()> Today;

private:
    void LaunchWordProcessor(const std::string& target);
    std::string InProgramFolder(const std::string& name) const;

    Prompter& m_prompter;
    ProcessLauncher& m_launcher;
    TProject& m_project;
    std::function<bool()> m_save;
    std::function<std::string()> m_wordProcessorPath;
    std::string m_programFolder;
};

} // namespace quavis
