#include "shell/external_programs.h"

#include "model/project.h"
#include "shell/analysis_run.h"
#include "shell/display_name.h"
#include "shell/names_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace quavis {

namespace fs = std::filesystem;

namespace {

bool FileExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && fs::exists(path, error) && !fs::is_directory(path, error);
}

std::chrono::year_month_day SystemToday()
{
    return std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
}

} // namespace

std::string ShortUsDate(std::chrono::year_month_day date)
{
    char text[16];
    const int year = static_cast<int>(date.year()) % 100;
    std::snprintf(text, sizeof text, "%02u/%02u/%02d", static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), year < 0 ? year + 100 : year);
    return text;
}

std::string UpdateCheckAddress(std::chrono::year_month_day today)
{
    return std::string(UpdateCheckSite) + UpdateCheckPath + "QUAVIS;" + QuavisVersionText + ";" + QuavisBuildDate +
           ";" + ShortUsDate(today);
}

TComputationFileItems ComputationFileItems(const std::string& projectFileName)
{
    TComputationFileItems items;
    items.Input = FileExists(projectFileName);
    items.Kernel = FileExists(ChangeFileExt(projectFileName, ".vqr"));
    items.Output = FileExists(ChangeFileExt(projectFileName, ".vqo"));
    return items;
}

void TAboutBox::FormActivate()
{
    Version = "Version " + GetVersion();
}

TExternalPrograms::TExternalPrograms(Prompter& prompter, ProcessLauncher& launcher, TProject& project,
                                     std::function<bool()> save, std::function<std::string()> wordProcessorPath,
                                     std::string programFolder)
    : Today(SystemToday),
      m_prompter(prompter),
      m_launcher(launcher),
      m_project(project),
      m_save(std::move(save)),
      m_wordProcessorPath(std::move(wordProcessorPath)),
      m_programFolder(WithoutTrailingSeparator(std::move(programFolder)))
{
}

bool TExternalPrograms::ClickItem(const std::string& name)
{
    if (name == "CompInput")
        CompInputClick();
    else if (name == "CompKernel")
        CompKernelClick();
    else if (name == "CompOutput")
        CompOutputClick();
    else if (name == "N3DView1")
        N3DView1Click();
    else if (name == "HelpContents")
        HelpContentsClick();
    else if (name == "Contents1")
        Contents1Click();
    else if (name == "About1")
        About1Click();
    else
        return false;
    return true;
}

void TExternalPrograms::LaunchWordProcessor(const std::string& target)
{
    const std::string program = m_wordProcessorPath ? m_wordProcessorPath() : std::string();
    if (program.empty() || !m_launcher.StartDetached(program, {target}))
        m_prompter.Inform(WordProcessorErrorMessage);
}

void TExternalPrograms::CompInputClick()
{
    LaunchWordProcessor(m_project.ProgramData().FileName);
}

void TExternalPrograms::CompKernelClick()
{
    LaunchWordProcessor(ChangeFileExt(m_project.ProgramData().FileName, ".vqr"));
}

void TExternalPrograms::CompOutputClick()
{
    LaunchWordProcessor(ChangeFileExt(m_project.ProgramData().FileName, ".vqo"));
}

std::string TExternalPrograms::InProgramFolder(const std::string& name) const
{
    return (fs::path(m_programFolder) / name).string();
}

void TExternalPrograms::N3DView1Click()
{
    TProgramData& data = m_project.ProgramData();
    if (!m_save() || data.FileName == NewProjectFileName)
        return;
    data.FileName = AbsoluteProjectPath(data.FileName);
    EnterProgramFolder(m_programFolder);
    ViewerPath = InProgramFolder(ViewerFileName);
    WriteNamesFile(m_programFolder, ViewerNamesList(data.FileName));
    if (!m_launcher.StartDetached(ViewerPath, {}))
        m_prompter.Inform(GraphicsProcessorErrorMessage);
}

void TExternalPrograms::HelpContentsClick()
{
    m_launcher.OpenDocument(InProgramFolder(HelpContentsFileName));
}

void TExternalPrograms::Contents1Click()
{
    m_launcher.OpenDocument(InProgramFolder(ManualFileName));
}

void TExternalPrograms::About1Click()
{
    m_launcher.OpenDocument(UpdateCheckAddress(Today ? Today() : SystemToday()));
}

} // namespace quavis
