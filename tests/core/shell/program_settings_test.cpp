#include "shell/program_settings.h"

#include "model/program_data.h"
#include "shell/dlg_options.h"
#include "shell/memory_settings_store.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace quavis {
namespace {

using Files = std::array<std::string, TProgramSettings::PrevFileSlots>;

Files Numbered(int count)
{
    Files files{};
    for (int i = 0; i < count; ++i)
        files[static_cast<std::size_t>(i)] = "/p/f" + std::to_string(i + 1) + ".vqd";
    return files;
}

TEST(RecentFiles, UpdatePrevFileMovesAndDrops)
{
    struct Case {
        const char* name;
        int filled;
        std::string path;
        Files expected;
    };
    Files fromSlot4 = Numbered(10);
    fromSlot4 = {"/p/f4.vqd", "/p/f1.vqd", "/p/f2.vqd", "/p/f3.vqd", "/p/f5.vqd",
                 "/p/f6.vqd", "/p/f7.vqd", "/p/f8.vqd", "/p/f9.vqd", "/p/f10.vqd"};
    Files eleventh = {"/p/new.vqd", "/p/f1.vqd", "/p/f2.vqd", "/p/f3.vqd", "/p/f4.vqd",
                      "/p/f5.vqd",  "/p/f6.vqd", "/p/f7.vqd", "/p/f8.vqd", "/p/f9.vqd"};
    Files last = {"/p/f10.vqd", "/p/f1.vqd", "/p/f2.vqd", "/p/f3.vqd", "/p/f4.vqd",
                  "/p/f5.vqd",  "/p/f6.vqd", "/p/f7.vqd", "/p/f8.vqd", "/p/f9.vqd"};
    Files intoEmpty{};
    intoEmpty[0] = "/p/new.vqd";
    Files caseDiffers = {"/p/F2.vqd", "/p/f1.vqd", "/p/f2.vqd", "/p/f3.vqd"};
    const Case cases[] = {
        {"slot 4 to the top", 10, "/p/f4.vqd", fromSlot4},
        {"eleventh drops the oldest", 10, "/p/new.vqd", eleventh},
        {"slot 10 to the top", 10, "/p/f10.vqd", last},
        {"into an empty list", 0, "/p/new.vqd", intoEmpty},
        {"comparison is case-sensitive", 3, "/p/F2.vqd", caseDiffers},
    };
    for (const Case& c : cases) {
        TMemorySettingsStore store;
        TProgramSettings settings(store);
        settings.PrevFiles = Numbered(c.filled);
        settings.UpdatePrevFile(c.path);
        EXPECT_EQ(settings.PrevFiles, c.expected) << c.name;
        int nonEmpty = 0;
        for (const auto& f : c.expected)
            nonEmpty += f.empty() ? 0 : 1;
        EXPECT_EQ(settings.PrevFileCount, nonEmpty) << c.name;
        // Written through: the store holds the new list.
        EXPECT_EQ(store.ReadString("File1"), c.path) << c.name;
        EXPECT_EQ(store.ReadString("File10"), c.expected[9]) << c.name;
    }
}

TEST(RecentFiles, TheSameProjectAgainChangesAndWritesNothing)
{
    TMemorySettingsStore store;
    TProgramSettings settings(store);
    settings.UpdatePrevFile("/p/a.vqd");
    const int writes = store.WriteCount();
    settings.UpdatePrevFile("/p/a.vqd");
    EXPECT_EQ(store.WriteCount(), writes);
    EXPECT_EQ(settings.PrevFiles[0], "/p/a.vqd");
    EXPECT_EQ(settings.PrevFiles[1], "");
}

TEST(RecentFiles, UpdateRegistryWritesEverySlotAndTheWordProcessor)
{
    TMemorySettingsStore store;
    TProgramSettings settings(store);
    settings.WordProcessorPath = "/usr/bin/kate";
    settings.PrevFiles[1] = "/p/b.vqd";
    settings.UpdateRegistry();
    EXPECT_EQ(store.Values().size(), 11u);
    EXPECT_EQ(store.ReadString("Word Processor"), "/usr/bin/kate");
    EXPECT_EQ(store.ReadString("File1"), "");
    EXPECT_EQ(store.ReadString("File2"), "/p/b.vqd");
    EXPECT_TRUE(store.Values().count("File10"));

    // A store that cannot be written costs the settings, nothing else.
    TMemorySettingsStore readOnly;
    readOnly.SetReadOnly(true);
    TProgramSettings other(readOnly);
    EXPECT_NO_THROW(other.UpdatePrevFile("/p/c.vqd"));
    EXPECT_EQ(other.PrevFiles[0], "/p/c.vqd");
    EXPECT_EQ(readOnly.Values().size(), 0u);
}

TEST(RecentFiles, ReadAtShowCountsNonEmptySlotsWhereverTheyAre)
{
    TMemorySettingsStore store;
    store.SetValue("Word Processor", std::string("/usr/bin/gedit"));
    store.SetValue("File1", std::string("/p/a.vqd"));
    store.SetValue("File2", std::string(""));
    store.SetValue("File3", std::string("/p/c.vqd"));
    TProgramSettings settings(store);
    settings.ReadAtShow();
    EXPECT_EQ(settings.WordProcessorPath, "/usr/bin/gedit");
    EXPECT_EQ(settings.PrevFileCount, 2);
    EXPECT_EQ(settings.PrevFiles[2], "/p/c.vqd");
}

TEST(RecentFiles, AForeignValueClearsEverythingForTheRun)
{
    for (const char* foreign : {"Word Processor", "File1", "File10"}) {
        TMemorySettingsStore store;
        store.SetValue("Word Processor", std::string("/usr/bin/gedit"));
        store.SetValue("File1", std::string("/p/a.vqd"));
        store.SetValue("File2", std::string("/p/b.vqd"));
        store.SetValue(foreign, TMemorySettingsStore::TBinary{1, 2, 3});
        TProgramSettings settings(store);
        settings.ReadAtShow();
        EXPECT_EQ(settings.WordProcessorPath, "") << foreign;
        EXPECT_EQ(settings.PrevFileCount, 0) << foreign;
        EXPECT_EQ(settings.PrevFiles, Files{}) << foreign;
        settings.ApplyDefaultWordProcessor();
        EXPECT_EQ(settings.WordProcessorPath, DefaultWordProcessorPath) << foreign;
    }
    // A number where a text belongs is foreign too.
    TMemorySettingsStore store;
    store.SetValue("File1", 7);
    TProgramSettings settings(store);
    settings.PrevFiles[0] = "/p/kept-before.vqd";
    settings.ReadAtShow();
    EXPECT_EQ(settings.PrevFiles[0], "");
}

TEST(RecentFiles, NoGroupKeepsWhatCreationRead)
{
    TMemorySettingsStore store;
    TProgramSettings settings(store);
    settings.WordProcessorPath = "/usr/bin/vim";
    settings.ReadAtShow();
    EXPECT_EQ(settings.WordProcessorPath, "/usr/bin/vim");
    EXPECT_EQ(settings.PrevFileCount, 0);

    // Creation creates the group and reads the word processor; a foreign value there is ignored.
    TMemorySettingsStore created;
    TProgramSettings atCreate(created);
    atCreate.ReadAtCreate();
    EXPECT_TRUE(created.GroupExists());
    EXPECT_EQ(atCreate.WordProcessorPath, "");
    created.SetValue("Word Processor", 3);
    EXPECT_NO_THROW(atCreate.ReadAtCreate());
}

TEST(RecentFiles, ShownPathCutsOnlyTheLeadingCurrentFolder)
{
    struct Case {
        const char* path;
        const char* current;
        const char* shown;
    };
    const Case cases[] = {
        {"/work/a/b.vqd", "/work", "a/b.vqd"},
        {"/work/b.vqd", "/work", "b.vqd"},
        {"/other/b.vqd", "/work", "/other/b.vqd"},
        {"/workshop/b.vqd", "/work", "/workshop/b.vqd"},        // a folder name that only starts alike
        {"/backup/work/b.vqd", "/work", "/backup/work/b.vqd"},  // the same names further down
        {"/work/b.vqd", "/", "work/b.vqd"},
        {"/work/b.vqd", "", "/work/b.vqd"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShownPrevFilePath(c.path, c.current), c.shown) << c.path << " in " << c.current;
}

TEST(ControlOptions, FieldsFollowTheSettingsAndTheModel)
{
    TMemorySettingsStore store;
    TProgramSettings settings(store);
    TProgramData data;
    test::ScriptedPrompter prompter;
    TDlgOptions dialog(settings, [&data]() -> TProgramData& { return data; }, prompter);

    settings.WordProcessorPath = "";
    data.WriteMatrix = 1;
    dialog.FormActivate();
    EXPECT_EQ(dialog.EdtWord, DefaultWordProcessorPath);
    EXPECT_TRUE(dialog.CheckBox1);

    // The check box acts at once; the text only when the dialog is left.
    dialog.CheckBox1Click(false);
    EXPECT_EQ(data.WriteMatrix, 0);
    dialog.EdtWord = "/opt/My Editor/edit";
    EXPECT_EQ(settings.WordProcessorPath, DefaultWordProcessorPath);
    dialog.FormDeactivate();
    EXPECT_EQ(settings.WordProcessorPath, "/opt/My Editor/edit");

    // A cleared field stores an empty path, which the next activation replaces by the default.
    dialog.EdtWord.clear();
    dialog.FormDeactivate();
    EXPECT_EQ(settings.WordProcessorPath, "");
    data.WriteMatrix = 2;  // only 1 ticks the box
    dialog.FormActivate();
    EXPECT_EQ(dialog.EdtWord, DefaultWordProcessorPath);
    EXPECT_FALSE(dialog.CheckBox1);
    // Nothing reaches the store before the main window writes it.
    EXPECT_EQ(store.WriteCount(), 0);
}

TEST(ControlOptions, BrowseAndClose)
{
    TMemorySettingsStore store;
    TProgramSettings settings(store);
    TProgramData data;
    test::ScriptedPrompter prompter;
    TDlgOptions dialog(settings, [&data]() -> TProgramData& { return data; }, prompter);
    dialog.FormActivate();

    prompter.ExpectOpenFile(std::nullopt).ExpectOpenFile("/usr/bin/kate");
    dialog.BtnBrowseClick();  // cancelled: the field stays
    EXPECT_EQ(dialog.EdtWord, DefaultWordProcessorPath);
    EXPECT_EQ(prompter.Records().back().Request.FileName, DefaultWordProcessorPath);
    EXPECT_TRUE(prompter.Records().back().Request.FileMustExist);
    dialog.BtnBrowseClick();
    EXPECT_EQ(dialog.EdtWord, "/usr/bin/kate");

    bool closed = false;
    dialog.OnClosed = [&closed] { closed = true; };
    dialog.CheckBox1 = false;
    EXPECT_TRUE(dialog.FormClose());
    EXPECT_TRUE(closed);
    EXPECT_EQ(settings.WordProcessorPath, "/usr/bin/kate");
    EXPECT_EQ(data.WriteMatrix, 0);
}

} // namespace
} // namespace quavis
