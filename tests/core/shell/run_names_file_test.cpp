#include "shell/names_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

namespace quavis::test {
namespace {

namespace fs = std::filesystem;

TEST(NamesFile, TheEnginesSevenLines)
{
    EXPECT_EQ(EngineNamesList("/work/jobs/job.vqd"), "3.0.6\r\n/work/jobs/job.vqd\r\n/work/jobs/job.vqo\r\n"
                                                    "/work/jobs/job.vqp\r\n/work/jobs/job.vqr\r\n"
                                                    "/work/jobs/job.vqt\r\n/work/jobs/job.vqt\r\n");
    // Only the file name's last extension is replaced; blanks and quotes are written as held.
    EXPECT_EQ(EngineNamesList("/my.dir/a \"b\".old.vqd"),
              "3.0.6\r\n/my.dir/a \"b\".old.vqd\r\n/my.dir/a \"b\".old.vqo\r\n/my.dir/a \"b\".old.vqp\r\n"
              "/my.dir/a \"b\".old.vqr\r\n/my.dir/a \"b\".old.vqt\r\n/my.dir/a \"b\".old.vqt\r\n");
    EXPECT_EQ(EngineNamesList("/my.dir/project"),
              "3.0.6\r\n/my.dir/project\r\n/my.dir/project.vqo\r\n/my.dir/project.vqp\r\n/my.dir/project.vqr\r\n"
              "/my.dir/project.vqt\r\n/my.dir/project.vqt\r\n");
}

TEST(NamesFile, TheViewersListHasNoVersionLine)
{
    const std::string engine = EngineNamesList("/p/a.vqd");
    EXPECT_EQ(ViewerNamesList("/p/a.vqd"), engine.substr(engine.find("\r\n") + 2));
}

TEST(NamesFile, APathWithALineBreakIsRefused)
{
    for (const char* path : {"/p/a\nb.vqd", "/p/a\rb.vqd"}) {
        EXPECT_THROW(EngineNamesList(path), ENamesFileError);
        EXPECT_THROW(ViewerNamesList(path), ENamesFileError);
    }
}

TEST(NamesFile, WritingReplacesTheList)
{
    TempDir dir;
    dir.Write("names.dat", "old list that is longer than the new one\r\n");
    const fs::path written = WriteNamesFile(dir.Path(), "new\r\n");
    EXPECT_EQ(written, dir / "names.dat");
    EXPECT_EQ(ReadFileBytes(written), "new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST(NamesFile, AFolderThatCannotTakeTheListIsNamed)
{
    struct Case {
        const char* name;
        std::function<bool(const fs::path&)> prepare;  // false: the case cannot be made here
    };
    const Case cases[] = {
        {"a folder in the list's place", [](const fs::path& folder) { return fs::create_directory(folder / "names.dat"); }},
        {"a read-only folder",
         [](const fs::path& folder) {
             // The superuser writes anywhere, so the folder's mode alone cannot stop it.
             return ::geteuid() != 0 && ::chmod(folder.c_str(), 0555) == 0;
         }},
        {"a missing folder", [](const fs::path& folder) { return fs::remove(folder); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const fs::path folder = dir / "program folder";
        fs::create_directory(folder);
        if (!c.prepare(folder))
            continue;
        try {
            WriteNamesFile(folder, "3.0.6\r\n");
            ADD_FAILURE() << "the list was written";
        } catch (const ENamesFileError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(folder.string()), std::string::npos) << message;
            EXPECT_NE(message.find("names.dat"), std::string::npos) << message;
        }
        ::chmod(folder.c_str(), 0755);
        if (fs::is_directory(folder)) {
            // Nothing is left behind: no temporary file, no list.
            for (const auto& entry : fs::directory_iterator(folder))
                EXPECT_TRUE(entry.is_directory()) << entry.path();
        }
    }
}

TEST(NamesFile, RelativeProjectPathsAreMadeAbsolute)
{
    TempDir dir;
    const fs::path saved = fs::current_path();
    fs::current_path(dir.Path());
    EXPECT_EQ(fs::path(AbsoluteProjectPath("sub/job.vqd")), dir / "sub" / "job.vqd");
    EXPECT_EQ(AbsoluteProjectPath("/abs/job.vqd"), "/abs/job.vqd");
    EXPECT_EQ(AbsoluteProjectPath(""), "");
    fs::current_path(saved);
}

} // namespace
} // namespace quavis::test
