#include "shell_harness.h"

#include "shell/display_name.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace quavis {
namespace {

namespace fs = std::filesystem;
using test::ShellHarness;

void Titled(TProject& p, const char* title)
{
    p.ProgramData().Title = title;
}

std::string FileText(const std::string& path)
{
    return test::ReadFileBytes(path);
}

// ---- Start-up ----

TEST(MainFormStartUp, WithoutArgumentANewProject)
{
    ShellHarness s;
    s.Start();
    EXPECT_EQ(s.Data().FileName, NewProjectFileName);
    EXPECT_EQ(s.logic->Title(), "QUAVIS 3.0.6 - NewData");
    EXPECT_EQ(s.logic->Settings().WordProcessorPath, DefaultWordProcessorPath);
    EXPECT_FALSE(s.logic->IsModified());
    EXPECT_EQ(s.logic->Project().D.Comments(),
              "Weak Zone Shear Moduli Ratio is suggested to be:\r- 0.25 to 0.50 for machine foundations,\r"
              "- less than 0.25 for seismic response.\rA value of 1 indicates no reduction will be considered\r"
              "A value of 0 may generate numerical errors.");
    // The recent slots sit between N1 and N14, the window list after N3.
    const TMenuItem& file = s.Item("FileMenu");
    ASSERT_EQ(file.Items.size(), 17u);
    EXPECT_EQ(file.Items[4].Name, "N1");
    EXPECT_EQ(file.Items[5].Name, "PrevFile1");
    EXPECT_EQ(file.Items[15].Name, "N14");
    EXPECT_EQ(file.Items[16].Name, "FileExit");
    const TMenuItem& window = s.Item("ArrangeMenu");
    ASSERT_EQ(window.Items.size(), 53u);
    for (std::size_t i = 3; i < window.Items.size(); ++i)
        EXPECT_FALSE(window.Items[i].Visible);
    EXPECT_TRUE(s.Item("EnglishUnits").RadioItem);
    EXPECT_TRUE(s.Item("SIUnits").RadioItem);
}

TEST(MainFormStartUp, CommandLineProject)
{
    struct Case {
        const char* name;
        const char* file;      // written beside the test, or nullptr
        const char* argument;  // relative to the test folder
        bool opens;
        const char* title;
    };
    const Case cases[] = {
        {"no dot gets .vqd", "project.vqd", "project", true, "QUAVIS 3.0.6 - Project"},
        {"a dot in the folder keeps the name", "my.dir/project", "my.dir/project", true, "QUAVIS 3.0.6 - Project"},
        {"given extension", "plan.vqd", "plan.vqd", true, "QUAVIS 3.0.6 - Plan"},
        {"missing file: new project, no message", nullptr, "absent", false, "QUAVIS 3.0.6 - NewData"},
        {"a folder is no project", nullptr, "folder.vqd", false, "QUAVIS 3.0.6 - NewData"},
    };
    for (const Case& c : cases) {
        ShellHarness s;
        if (c.file)
            s.WriteProject(c.file, [](TProject& p) { Titled(p, "From the command line"); });
        fs::create_directories(s.dir.Path() / "folder.vqd");
        s.Start({s.Path(c.argument), "ignored-second-argument"});
        EXPECT_EQ(s.Data().Title, c.opens ? "From the command line" : "New Pile") << c.name;
        EXPECT_EQ(s.logic->Title(), c.title) << c.name;
        if (c.opens) {
            EXPECT_EQ(s.Data().FileName, s.Path(c.file)) << c.name;
        }
        // The command line touches neither the recent list nor the settings.
        EXPECT_EQ(s.logic->Settings().PrevFileCount, 0) << c.name;
        EXPECT_EQ(s.store.WriteCount(), 0) << c.name;
    }
}

TEST(MainFormStartUp, RelativeCommandLinePathIsKeptAbsolute)
{
    ShellHarness s;
    s.WriteProject("rel.vqd");
    fs::current_path(s.dir.Path());
    s.Start({"rel"});
    EXPECT_EQ(s.Data().FileName, s.Path("rel.vqd"));
}

TEST(MainFormStartUp, ResultsOfTheCommandLineProject)
{
    struct Case {
        const char* name;
        const char* plotData;  // nullptr: no file
        bool loaded;
    };
    const Case cases[] = {
        {"readable", test::TwoRecordPlotData, true},
        {"unreadable", "not a number\r\n", false},
        {"absent", nullptr, false},
    };
    for (const Case& c : cases) {
        ShellHarness s;
        const std::string project = s.WriteProject("r.vqd");
        if (c.plotData)
            s.dir.Write("r.vqp", c.plotData);
        s.Start({project});
        EXPECT_EQ(s.logic->ResultsLoaded(), c.loaded) << c.name;
        const TGraphPlot& kxx = s.logic->Project().ResultGraphs().pltRealKXX;
        if (c.loaded) {
            ASSERT_EQ(kxx.CurvePointCount(), 2) << c.name;
            EXPECT_NEAR(static_cast<double>(kxx.PointAt(0, 1).X), 20.0, 1e-9) << c.name;
        } else {
            EXPECT_LT(kxx.CurvePointCount(), 2) << c.name;
        }
    }
}

TEST(MainFormStartUp, SettingsAreReadAtShow)
{
    ShellHarness s;
    s.store.SetValue("Word Processor", std::string("/usr/bin/gedit"));
    s.store.SetValue("File1", std::string("/p/a.vqd"));
    s.store.SetValue("File3", std::string("/p/c.vqd"));
    s.Start();
    EXPECT_EQ(s.logic->Settings().WordProcessorPath, "/usr/bin/gedit");
    EXPECT_EQ(s.logic->Settings().PrevFileCount, 2);
    EXPECT_EQ(s.logic->Settings().PrevFiles[2], "/p/c.vqd");
}

TEST(MainFormStartUp, ReaderErrorsAreShownAndTheModelStaysWhole)
{
    ShellHarness s;
    const std::string path = s.dir.Write("broken.vqd", "TITLE=Broken\r\nMATRIX\r\nGRAVITY=9.81\r\n").string();
    s.prompter.ExpectMessage("This file either invalid or incomplete.");
    s.Start({path});
    EXPECT_EQ(s.Data().FileName, path);
    EXPECT_EQ(s.logic->Title(), "QUAVIS 3.0.6 - Broken");
    for (const TGridTable* table : s.logic->Project().Tables())
        EXPECT_GE(table->RowCount(), table->MinRows());
}

// ---- The save-changes question ----

enum class Caller { New, Open, Exit, Drop, Recent };

const char* CallerName(Caller c)
{
    switch (c) {
    case Caller::New: return "New";
    case Caller::Open: return "Open";
    case Caller::Exit: return "Exit";
    case Caller::Drop: return "drop";
    case Caller::Recent: return "recent file";
    }
    return "";
}

struct Answer {
    const char* name;
    bool namedProject;                     // the edited project has a file of its own
    TPromptAnswer answer;
    std::optional<std::string> saveAsName;  // answer of the Save As dialog for an unnamed project
    bool callerGoesOn;
};

TEST(MainFormSaveChanges, EveryAnswerForEveryCaller)
{
    const Answer answers[] = {
        {"Cancel", true, TPromptAnswer::Cancel, std::nullopt, false},
        {"No", true, TPromptAnswer::No, std::nullopt, true},
        {"Yes saves the named project", true, TPromptAnswer::Yes, std::nullopt, true},
        {"Yes, Save As cancelled", false, TPromptAnswer::Yes, std::nullopt, false},
        {"Yes, Save As chosen", false, TPromptAnswer::Yes, std::string("chosen.vqd"), true},
    };
    for (Caller caller : {Caller::New, Caller::Open, Caller::Exit, Caller::Drop, Caller::Recent}) {
        for (const Answer& a : answers) {
            const std::string what = std::string(CallerName(caller)) + ": " + a.name;
            ShellHarness s;
            const std::string other = s.WriteProject("other.vqd", [](TProject& p) { Titled(p, "Other"); });
            const std::string current = s.WriteProject("current.vqd");
            s.Start(a.namedProject ? std::vector<std::string>{current} : std::vector<std::string>{});
            s.logic->Settings().PrevFiles[0] = other;
            s.logic->Settings().CountPrevFiles();
            s.Data().Title = "Edited";
            s.logic->SetModified(true);
            const std::string before = s.Data().FileName;

            s.prompter.ExpectYesNoCancel(a.answer, "Do you want to save any changes?");
            if (a.answer == TPromptAnswer::Yes && !a.namedProject)
                s.prompter.ExpectSaveFile(a.saveAsName ? std::optional<std::string>(s.Path(*a.saveAsName))
                                                       : std::nullopt);
            if (caller == Caller::Open && a.callerGoesOn)
                s.prompter.ExpectOpenFile(other);

            switch (caller) {
            case Caller::New: s.logic->ClickItem("FileNew"); break;
            case Caller::Open: s.logic->ClickItem("FileOpen"); break;
            case Caller::Exit: s.logic->ClickItem("FileExit"); break;
            case Caller::Drop: EXPECT_TRUE(s.logic->FilesDropped({other})) << what; break;
            case Caller::Recent:
                s.logic->OpenMenu("FileMenu");
                s.logic->ClickItem("PrevFile1");
                break;
            }
            s.prompter.VerifyAllAnswered();

            if (!a.callerGoesOn) {
                EXPECT_EQ(s.Data().Title, "Edited") << what;
                EXPECT_TRUE(s.logic->IsModified()) << what;
                EXPECT_FALSE(s.logic->Closed()) << what;
            } else if (caller == Caller::New) {
                EXPECT_EQ(s.Data().FileName, NewProjectFileName) << what;
                EXPECT_EQ(s.Data().Title, "New Pile") << what;
            } else if (caller == Caller::Exit) {
                EXPECT_TRUE(s.logic->Closed()) << what;
            } else {
                EXPECT_EQ(s.Data().FileName, other) << what;
                EXPECT_EQ(s.Data().Title, "Other") << what;
            }
            if (a.answer == TPromptAnswer::Yes && (a.namedProject || a.saveAsName)) {
                const std::string saved = a.namedProject ? current : s.Path(*a.saveAsName);
                EXPECT_NE(FileText(saved).find("TITLE=Edited"), std::string::npos) << what;
            } else if (a.namedProject) {
                EXPECT_EQ(FileText(current).find("TITLE=Edited"), std::string::npos) << what;
            }
            if (!a.callerGoesOn) {
                EXPECT_EQ(s.Data().FileName, before) << what;
            }
        }
    }
}

TEST(MainFormSaveChanges, NoQuestionWhileUnmodified)
{
    ShellHarness s;
    s.Start();
    s.logic->ClickItem("FileNew");  // the prompter fails the test on any question
    EXPECT_TRUE(s.logic->QuerySaveChanges());
}

TEST(MainFormSaveChanges, AFailedSaveCancelsTheCaller)
{
    ShellHarness s;
    s.Start();
    s.Data().FileName = s.Path("gone/x.vqd");  // its folder does not exist
    s.Data().Title = "Unsaved";
    s.logic->SetModified(true);
    s.prompter.ExpectYesNoCancel(TPromptAnswer::Yes).ExpectMessage();
    s.logic->ClickItem("FileNew");
    EXPECT_EQ(s.Data().Title, "Unsaved");
    EXPECT_TRUE(s.logic->IsModified());
    ASSERT_EQ(s.prompter.Records().size(), 2u);
    EXPECT_EQ(s.prompter.Records()[1].Kind, TMessageKind::Error);
}

// ---- Save and Save As ----

TEST(MainFormSave, SaveOfANewProjectAsksForAName)
{
    ShellHarness s;
    s.Start();
    s.prompter.ExpectSaveFile(s.Path("first.vqd"));
    s.logic->TriggerShortcut("FileSave");
    ASSERT_EQ(s.prompter.Records().size(), 1u);
    const TFileDialogRequest& request = s.prompter.Records()[0].Request;
    EXPECT_EQ(request.Title, "Save NewData As");
    EXPECT_EQ(request.FileName, NewProjectFileName);
    EXPECT_EQ(request.Filter, "QUAVIS 3.0.6 (*.vqd);;All Files (*)");
    EXPECT_EQ(request.DefaultExt, "vqd");
    EXPECT_TRUE(request.OverwritePrompt);
    EXPECT_TRUE(fs::exists(s.Path("first.vqd")));
    EXPECT_TRUE(fs::exists(s.Path("first.vqt")));
    EXPECT_EQ(s.logic->Title(), "QUAVIS 3.0.6 - First");
    EXPECT_EQ(s.logic->Settings().PrevFiles[0], s.Path("first.vqd"));
    EXPECT_EQ(s.store.ReadString("File1"), s.Path("first.vqd"));
    EXPECT_FALSE(s.logic->IsModified());
}

TEST(MainFormSave, SaveOfANamedProjectLeavesTheRecentList)
{
    ShellHarness s;
    const std::string path = s.WriteProject("named.vqd");
    s.Start({path});
    s.Data().Title = "Changed";
    s.logic->SetModified(true);
    EXPECT_TRUE(s.logic->FileSaveClick());
    EXPECT_NE(FileText(path).find("TITLE=Changed"), std::string::npos);
    EXPECT_EQ(s.logic->Settings().PrevFileCount, 0);
    EXPECT_EQ(s.store.WriteCount(), 0);
}

TEST(MainFormSave, CancelledSaveAsChangesNothing)
{
    ShellHarness s;
    const std::string path = s.WriteProject("keep.vqd");
    s.Start({path});
    s.prompter.ExpectSaveFile(std::nullopt);
    EXPECT_FALSE(s.logic->FileSaveAsClick());
    EXPECT_EQ(s.prompter.Records()[0].Request.Title, "Save Keep As");
    EXPECT_EQ(s.prompter.Records()[0].Request.FileName, path);
    EXPECT_EQ(s.Data().FileName, path);
    EXPECT_EQ(s.logic->Settings().PrevFileCount, 0);
}

// ---- Open, dropped files, recent files ----

TEST(MainFormOpen, OpenMakesTheFolderCurrentAndHeadsTheRecentList)
{
    ShellHarness s;
    const std::string path = s.WriteProject("sub/deep.vqd");
    s.Start();
    s.prompter.ExpectOpenFile(path);
    s.logic->ClickItem("FileOpen");
    ASSERT_EQ(s.prompter.Records().size(), 1u);
    EXPECT_EQ(s.prompter.Records()[0].Request.Title, "Open");
    EXPECT_TRUE(s.prompter.Records()[0].Request.FileMustExist);
    EXPECT_EQ(fs::current_path(), fs::path(s.Path("sub")));
    EXPECT_EQ(s.logic->Title(), "QUAVIS 3.0.6 - Deep");
    EXPECT_EQ(s.logic->Settings().PrevFiles[0], path);
    // A cancelled dialog leaves everything.
    s.prompter.ExpectOpenFile(std::nullopt);
    s.logic->ClickItem("FileOpen");
    EXPECT_EQ(s.Data().FileName, path);
    // The dialog remembers the last choice.
    EXPECT_EQ(s.prompter.Records()[1].Request.FileName, path);
}

TEST(MainFormOpen, ResultsLoadedIsWrittenOnlyWhenTheProjectHasPlotData)
{
    ShellHarness s;
    const std::string withResults = s.WriteProject("with.vqd");
    s.dir.Write("with.vqp", test::TwoRecordPlotData);
    const std::string without = s.WriteProject("without.vqd");
    const std::string broken = s.WriteProject("broken.vqd");
    s.dir.Write("broken.vqp", "2\r\nnot a number\r\n");
    s.Start();
    s.logic->OpenFileName(withResults);
    EXPECT_TRUE(s.logic->ResultsLoaded());
    s.logic->OpenFileName(without);
    EXPECT_TRUE(s.logic->ResultsLoaded());  // left as it was
    s.logic->OpenFileName(broken);
    EXPECT_FALSE(s.logic->ResultsLoaded());
}

TEST(MainFormOpen, OnlyTheFirstDroppedFileOpensAndTheRecentListStays)
{
    ShellHarness s;
    const std::string first = s.WriteProject("a/first.vqd", [](TProject& p) {
        Titled(p, "First");
        p.ProgramData().LoadingType = RandomLoading;
    });
    const std::string second = s.WriteProject("second.vqd", [](TProject& p) { Titled(p, "Second"); });
    s.Start();
    s.logic->Settings().PrevFiles[0] = second;
    s.logic->Settings().CountPrevFiles();
    s.children = {"Some form"};
    EXPECT_TRUE(s.logic->FilesDropped({first, second, s.Path("third.vqd")}));
    EXPECT_EQ(s.Data().Title, "First");
    EXPECT_EQ(s.logic->Title(), "QUAVIS 3.0.6 - First");
    EXPECT_EQ(fs::current_path(), fs::path(s.Path("a")));
    EXPECT_EQ(s.logic->Settings().PrevFiles[0], second);
    EXPECT_EQ(s.logic->Settings().PrevFileCount, 1);
    EXPECT_EQ(s.store.WriteCount(), 0);
    EXPECT_TRUE(s.children.empty());  // the new model closed every child window
    // The reader marks the loading type; the data items are not synchronised by a drop.
    EXPECT_TRUE(s.Item("RandomLoading1").Checked);
    EXPECT_FALSE(s.Item("HarmonicLoading1").Checked);
    // Nothing dropped: handled, nothing happens.
    EXPECT_TRUE(s.logic->FilesDropped({}));
    EXPECT_EQ(s.Data().Title, "First");
}

TEST(MainFormRecentFiles, MenuSlotsShowShortenedPaths)
{
    ShellHarness s;
    s.Start();
    fs::create_directories(s.dir.Path() / "sub");
    fs::current_path(s.dir.Path());
    auto& settings = s.logic->Settings();
    settings.PrevFiles = {s.Path("here.vqd"), "", s.Path("sub/below.vqd"), "/elsewhere/far.vqd"};
    settings.CountPrevFiles();
    ASSERT_EQ(settings.PrevFileCount, 3);
    s.logic->OpenMenu("FileMenu");
    // Three non-empty entries show the first three slots, the empty second one among them.
    EXPECT_EQ(s.Item("PrevFile1").Caption, "1 here.vqd");
    EXPECT_EQ(s.Item("PrevFile2").Caption, "2 ");
    EXPECT_EQ(s.Item("PrevFile3").Caption, "3 sub/below.vqd");
    EXPECT_TRUE(s.Item("PrevFile3").Visible);
    EXPECT_FALSE(s.Item("PrevFile4").Visible);
    EXPECT_TRUE(s.Item("N14").Visible);

    settings.ClearPrevFiles();
    settings.CountPrevFiles();
    s.logic->OpenMenu("FileMenu");
    EXPECT_FALSE(s.Item("PrevFile1").Visible);
    EXPECT_FALSE(s.Item("N14").Visible);
}

TEST(MainFormRecentFiles, ChoosingASlotOpensItAndMovesItUp)
{
    ShellHarness s;
    const std::string a = s.WriteProject("a.vqd");
    const std::string b = s.WriteProject("b.vqd", [](TProject& p) { Titled(p, "B"); });
    const std::string gone = s.Path("gone.vqd");
    s.Start();
    auto& settings = s.logic->Settings();
    settings.PrevFiles = {a, b, gone};
    settings.CountPrevFiles();
    s.logic->OpenMenu("FileMenu");
    s.logic->ClickItem("PrevFile2");
    EXPECT_EQ(s.Data().Title, "B");
    EXPECT_EQ(settings.PrevFiles[0], b);
    EXPECT_EQ(settings.PrevFiles[1], a);

    // An empty slot shown among filled ones opens nothing.
    settings.PrevFiles = {b, "", gone};
    settings.CountPrevFiles();
    s.logic->OpenMenu("FileMenu");
    s.logic->ClickItem("PrevFile2");
    EXPECT_EQ(s.Data().Title, "B");
    EXPECT_EQ(settings.PrevFiles[1], "");
    settings.PrevFiles = {b, a, gone};

    // A project that no longer exists is opened like any other: the reader says why, the entry stays.
    s.prompter.ExpectMessage();
    s.logic->OpenMenu("FileMenu");
    s.logic->ClickItem("PrevFile3");
    EXPECT_EQ(s.Data().FileName, gone);
    EXPECT_EQ(settings.PrevFiles[0], gone);
    EXPECT_EQ(settings.PrevFileCount, 3);
}

// ---- Exit ----

TEST(MainFormExit, ExitClosesThroughTheWindowAndWritesTheSettings)
{
    ShellHarness s;
    s.Start();
    int closeRequests = 0;
    s.logic->Hooks.CloseMainWindow = [&] { ++closeRequests; };
    s.logic->ClickItem("FileExit");
    EXPECT_EQ(closeRequests, 1);
    EXPECT_FALSE(s.logic->Closed());

    s.children = {"A"};
    s.log.clear();
    s.logic->Settings().WordProcessorPath = "/usr/bin/kate";
    EXPECT_TRUE(s.logic->FormCloseQuery());
    s.logic->FormClose();
    EXPECT_EQ((std::vector<std::string>{"commit", "closeAll"}), s.log);
    EXPECT_EQ(s.store.ReadString("Word Processor"), "/usr/bin/kate");
    EXPECT_EQ(s.store.Values().count("File10"), 1u);
}

} // namespace
} // namespace quavis
