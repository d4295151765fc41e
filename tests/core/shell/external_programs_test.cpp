#include "model/project.h"
#include "shell/external_programs.h"
#include "shell/main_form_logic.h"
#include "shell/memory_settings_store.h"
#include "shell/names_file.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace quavis::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

// Records what would have been started; starts succeed unless told otherwise.
class RecordingLauncher : public ProcessLauncher {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
        fs::path currentDirectory;
    };

    bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) override
    {
        starts.push_back({program, arguments, fs::current_path()});
        return succeed;
    }
    bool OpenDocument(const std::string& pathOrUrl) override
    {
        documents.push_back(pathOrUrl);
        return succeed;
    }

    bool succeed = true;
    std::vector<Start> starts;
    std::vector<std::string> documents;
};

class ExternalProgramsTest : public ::testing::Test {
protected:
    ExternalProgramsTest()
    {
        fs::create_directories(program);
        logic.FormCreate();
        logic.FormShow({});
    }
    ~ExternalProgramsTest() override
    {
        std::error_code error;
        fs::current_path(savedCwd, error);
    }

    // A saved project, opened as Open does.
    std::string OpenProject(const std::string& name)
    {
        const fs::path path = dir / name;
        fs::create_directories(path.parent_path());
        TProject project;
        project.ProgramData().FileName = path.string();
        project.Save();
        logic.OpenFileName(path.string());
        return path.string();
    }

    fs::path savedCwd = fs::current_path();
    TempDir dir;
    fs::path program = dir / "program";
    ScriptedPrompter prompter;
    TMemorySettingsStore store;
    TMainFormLogic logic{prompter, store};
    RecordingLauncher launcher;
    std::string wordProcessor = "/opt/my editor/edit \"pro\"";
    TExternalPrograms programs{prompter, launcher, logic.Project(), [this] { return logic.FileSaveClick(); },
                               [this] { return wordProcessor; }, program.string() + "/"};
};

TEST_F(ExternalProgramsTest, TheWordProcessorGetsThePathAsItsOneArgument)
{
    // Blanks, quotes and shell syntax in either path are plain characters: nothing splits or runs them.
    const std::string project = OpenProject("my jobs/it's \"q\" $(touch x); a.vqd");
    const std::string stem = project.substr(0, project.size() - 4);
    const struct {
        const char* item;
        std::string target;
    } cases[] = {
        {"CompInput", project},
        {"CompKernel", stem + ".vqr"},
        {"CompOutput", stem + ".vqo"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        launcher.starts.clear();
        EXPECT_TRUE(programs.ClickItem(c.item));
        ASSERT_EQ(launcher.starts.size(), 1u);
        EXPECT_EQ(launcher.starts[0].program, wordProcessor);
        EXPECT_EQ(launcher.starts[0].arguments, std::vector<std::string>{c.target});
    }
}

TEST_F(ExternalProgramsTest, AWordProcessorThatCannotStartIsReported)
{
    OpenProject("a.vqd");
    launcher.succeed = false;
    prompter.ExpectMessage(WordProcessorErrorMessage);
    programs.CompOutputClick();
    EXPECT_EQ(launcher.starts.size(), 1u);

    // No program at all is the same failure; nothing is started.
    launcher.starts.clear();
    wordProcessor.clear();
    prompter.ExpectMessage(WordProcessorErrorMessage);
    programs.CompInputClick();
    EXPECT_TRUE(launcher.starts.empty());
}

TEST_F(ExternalProgramsTest, TheThreeDViewWritesItsListAndStartsTheViewerInTheProgramFolder)
{
    const std::string project = OpenProject("jobs/a b.vqd");
    programs.ClickItem("N3DView1");

    ASSERT_EQ(launcher.starts.size(), 1u);
    EXPECT_EQ(programs.ViewerPath, (program / "Qvs3-viewer.exe").string());
    EXPECT_EQ(launcher.starts[0].program, programs.ViewerPath);
    EXPECT_TRUE(launcher.starts[0].arguments.empty());
    EXPECT_EQ(launcher.starts[0].currentDirectory, program);
    EXPECT_EQ(fs::current_path(), program);

    // Six lines, the geometry file twice; the list stays for the viewer.
    const std::string list = ReadFileBytes(program / "names.dat");
    EXPECT_EQ(list, ViewerNamesList(project));
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 6);
    const std::string geometry = project.substr(0, project.size() - 4) + ".vqt\r\n";
    EXPECT_EQ(list.substr(list.size() - 2 * geometry.size()), geometry + geometry);
}

TEST_F(ExternalProgramsTest, TheThreeDViewOnANewProjectWhoseSaveIsCancelledDoesNothing)
{
    prompter.ExpectSaveFile(std::nullopt);
    programs.N3DView1Click();
    EXPECT_TRUE(launcher.starts.empty());
    EXPECT_FALSE(fs::exists(program / "names.dat"));
    EXPECT_NE(fs::current_path(), program);
    EXPECT_TRUE(programs.ViewerPath.empty());
}

TEST_F(ExternalProgramsTest, AViewerThatCannotStartIsReported)
{
    OpenProject("a.vqd");
    launcher.succeed = false;
    prompter.ExpectMessage(GraphicsProcessorErrorMessage);
    programs.N3DView1Click();
    EXPECT_TRUE(fs::exists(program / "names.dat"));
}

TEST_F(ExternalProgramsTest, HelpManualAndUpdatePage)
{
    programs.Today = [] { return year_month_day(year(2005), month(3), day(7)); };
    launcher.succeed = false;  // failures are not reported
    for (const char* item : {"HelpContents", "Contents1", "About1"})
        EXPECT_TRUE(programs.ClickItem(item));
    EXPECT_EQ(launcher.documents,
              (std::vector<std::string>{(program / "Quavis3Help.chm").string(),
                                        (program / "Quavis v3 Manual.pdf").string(),
                                        "https://updates.example.com/checkupdates/check/check.php?QUAVIS;3.0.6;" +
                                            std::string(QuavisBuildDate) + ";03/07/05"}));
    EXPECT_FALSE(programs.ClickItem("CompRun"));
    EXPECT_TRUE(launcher.starts.empty());
}

TEST(ExternalPrograms, ShortUsDates)
{
    EXPECT_EQ(ShortUsDate(year_month_day(year(2026), month(12), day(31))), "12/31/26");
    EXPECT_EQ(ShortUsDate(year_month_day(year(2000), month(1), day(2))), "01/02/00");
}

TEST(ExternalPrograms, TheAboutBoxShowsTheVersionOnActivation)
{
    TAboutBox about;
    about.FormActivate();
    EXPECT_EQ(about.Version, "Version 3.0.6");
}

TEST(ExternalPrograms, TextFileItemsFollowTheirFiles)
{
    TempDir dir;
    const std::string project = (dir / "p.x.vqd").string();
    const struct {
        std::vector<const char*> files;
        bool input, kernel, output;
    } cases[] = {
        {{}, false, false, false},
        {{"p.x.vqd"}, true, false, false},
        {{"p.x.vqr"}, false, true, false},
        {{"p.x.vqd", "p.x.vqo"}, true, false, true},
        {{"p.vqr", "p.vqo"}, false, false, false},  // not the project's own companions
    };
    for (const auto& c : cases) {
        TempDir folder;
        const std::string path = (folder / "p.x.vqd").string();
        for (const char* file : c.files)
            folder.Write(file, "x");
        const TComputationFileItems items = ComputationFileItems(path);
        EXPECT_EQ(items.Input, c.input) << c.files.size();
        EXPECT_EQ(items.Kernel, c.kernel) << c.files.size();
        EXPECT_EQ(items.Output, c.output) << c.files.size();
    }
    // A folder by the file's name does not count.
    fs::create_directory(dir / "p.x.vqo");
    EXPECT_FALSE(ComputationFileItems(project).Output);
}

} // namespace
} // namespace quavis::test
