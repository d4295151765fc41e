#include "shell/dynamic_library.h"
#include "support/temp_dir.h"
#include "support/test_engine/installed_engine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace quavis::test {
namespace {

namespace fs = std::filesystem;

TEST(DynamicLibrary, OpensALibraryAndFindsItsEntry)
{
    TempDir dir;
    const fs::path path = InstallTestEngine(dir.Path(), TTestEngine::Full);
    TDynamicLibrary library;
    library.SetLibraryPath(path.string());
    EXPECT_FALSE(library.IsOpen());
    library.Open();
    ASSERT_TRUE(library.IsOpen());
    library.Open();  // already open: nothing happens
    EXPECT_TRUE(library.IsOpen());
    EXPECT_NE(library.GetEntry("_IQUAVIS"), nullptr);
    EXPECT_EQ(library.GetEntry("NoSuchEntry"), nullptr);

    // A new path closes the library first.
    library.SetLibraryPath((dir / "other.so").string());
    EXPECT_FALSE(library.IsOpen());
    EXPECT_EQ(library.LibraryPath(), (dir / "other.so").string());
}

TEST(DynamicLibrary, ABareNameMeansTheFileInTheCurrentDirectory)
{
    TempDir dir;
    InstallTestEngine(dir.Path(), TTestEngine::Full);
    const fs::path saved = fs::current_path();
    fs::current_path(dir.Path());
    TDynamicLibrary library("QVS3-COMP.DLL");
    // The loader's own search (system folders, LD_LIBRARY_PATH) would not find it.
    EXPECT_NO_THROW(library.Open());
    EXPECT_TRUE(library.IsOpen());
    library.Close();
    EXPECT_FALSE(library.IsOpen());
    fs::current_path(saved);
}

TEST(DynamicLibrary, FailuresToOpen)
{
    TempDir dir;
    {
        std::ofstream(dir / "garbage.so") << "not a shared object";
    }
    fs::create_directory(dir / "folder.so");

    struct Case {
        std::string path;
        const char* error;  // nullptr: no error, the library stays closed
    };
    const Case cases[] = {
        {(dir / "missing.so").string(), "Library could not be located"},
        {(dir / "nofolder" / "x.so").string(), "Library could not be located"},
        // An empty path would hand the loader the program itself.
        {"", "Library could not be located"},
        {(dir / "garbage.so").string(), "Library failed to properly initialize"},
        {(dir / "folder.so").string(), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        TDynamicLibrary library(c.path);
        if (!c.error) {
            EXPECT_NO_THROW(library.Open());
        } else if (std::string(c.error) == "Library could not be located") {
            try {
                library.Open();
                ADD_FAILURE() << "no error";
            } catch (const EFileNotFoundError& e) {
                EXPECT_STREQ(e.what(), c.error);
            }
        } else {
            try {
                library.Open();
                ADD_FAILURE() << "no error";
            } catch (const EInitError& e) {
                EXPECT_STREQ(e.what(), c.error);
                EXPECT_FALSE(library.LastLoaderMessage().empty());
            }
        }
        EXPECT_FALSE(library.IsOpen());
        try {
            library.GetEntry("_IQUAVIS");
            ADD_FAILURE() << "GetEntry on a closed library";
        } catch (const EDLLNotOpenError& e) {
            EXPECT_STREQ(e.what(), "Library is not open");
        }
    }
}

} // namespace
} // namespace quavis::test
