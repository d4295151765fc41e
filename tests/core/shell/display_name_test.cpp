#include "shell/display_name.h"

#include <gtest/gtest.h>

#include <string>

namespace quavis {
namespace {

TEST(DisplayName, TitleRules)
{
    struct Case {
        const char* path;
        const char* shown;
    };
    const Case cases[] = {
        {"/home/u/proj.old.vqd", "Proj"},  // everything from the first dot goes
        {"/home/u/x.vqd", "x"},            // one character stays as it is
        {"/home/u/data.txt", "Data.txt"},  // another extension is kept
        {"/home/u/Report.VQD", "Report"},  // the extension in any case
        {"/home/u/my.dir/plan.vqd", "Plan"},
        {"NewData.vqd", "NewData"},
        {"/p/ünïcode.vqd", "ünïcode"},     // only ASCII letters are upper-cased
        {"/p/9lives.vqd", "9lives"},
        {"/p/archive.vqd.bak", "Archive.vqd.bak"},
        {"/p/noext", "Noext"},
        {"/p/.vqd", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DisplayName(c.path), c.shown) << c.path;
    EXPECT_EQ(MainWindowTitle("/a/b/proj.old.vqd"), "QUAVIS 3.0.6 - Proj");
    EXPECT_EQ(GetVersion(), "3.0.6");
}

TEST(DisplayName, CommandLineArgumentGetsTheProjectExtensionOnlyWithoutAnyDot)
{
    EXPECT_EQ(CommandLineProjectPath("project"), "project.vqd");
    EXPECT_EQ(CommandLineProjectPath("/home/u/project"), "/home/u/project.vqd");
    EXPECT_EQ(CommandLineProjectPath("/home/my.dir/project"), "/home/my.dir/project");
    EXPECT_EQ(CommandLineProjectPath("plan.txt"), "plan.txt");
}

TEST(DisplayName, ChangeFileExtReplacesOnlyTheFileNamesExtension)
{
    EXPECT_EQ(ChangeFileExt("/p/a.vqd", ".vqo"), "/p/a.vqo");
    EXPECT_EQ(ChangeFileExt("/p/a.b.vqd", ".vqr"), "/p/a.b.vqr");
    EXPECT_EQ(ChangeFileExt("/my.dir/a", ".vqo"), "/my.dir/a.vqo");
    EXPECT_EQ(ChangeFileExt("a", ".vqo"), "a.vqo");
}

} // namespace
} // namespace quavis
