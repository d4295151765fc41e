#include "support/cli_runner.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace quavis {
namespace {

using test::FixturePath;
using test::ReadFileBytes;
using test::RunCli;
using test::TempDir;

TEST(CliProjectCommands, NewWritesTheDefaultProjectAndGeometryFiles)
{
    TempDir dir;
    const auto result = RunCli({"new", (dir / "fresh.vqd").string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(ReadFileBytes(dir / "fresh.vqd"), ReadFileBytes(FixturePath("new_project.vqd")));
    EXPECT_EQ(ReadFileBytes(dir / "fresh.vqt"), ReadFileBytes(FixturePath("new_project.vqt")));
}

TEST(CliProjectCommands, ResaveReproducesEveryWrittenProjectByteForByte)
{
    for (const char* name : {"new_project", "pile_battered", "pile_embedded_random", "multilayer_quadratic",
                             "stratum_transient", "halfspace_weak", "halfspace_plain"}) {
        TempDir dir;
        const auto in = FixturePath(std::string(name) + ".vqd");
        const auto result = RunCli({"resave", in.string(), (dir / "out.vqd").string()});
        EXPECT_EQ(result.exitCode, 0) << name << ": " << result.err;
        EXPECT_EQ(ReadFileBytes(dir / "out.vqd"), ReadFileBytes(in)) << name;
        EXPECT_TRUE(std::filesystem::exists(dir / "out.vqt")) << name;
    }
}

TEST(CliProjectCommands, ResaveAfterAReadErrorSavesWhatWasReadAndFails)
{
    TempDir dir;
    std::string text = ReadFileBytes(FixturePath("pile_battered.vqd"));
    text.replace(text.find("0 0 0.5 4 3 1"), 5, "0 x 0");
    const auto in = dir.Write("broken.vqd", text);
    const auto result = RunCli({"resave", in.string(), (dir / "out.vqd").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Error on Line 49 Item 3\nA floating point number was expected but not found.\n");
    const std::string out = ReadFileBytes(dir / "out.vqd");
    // Everything before the fault is kept: the file is the original up to the mass component rows.
    const std::string before = text.substr(0, text.find("RUN \r\n"));
    EXPECT_EQ(out.substr(0, before.size()), before);
}

TEST(CliProjectCommands, ResaveOfAMissingFileReportsItAndSavesANewProject)
{
    TempDir dir;
    const auto result = RunCli({"resave", (dir / "absent.vqd").string(), (dir / "out.vqd").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, std::string(std::strerror(ENOENT)) + "\n");
    EXPECT_EQ(ReadFileBytes(dir / "out.vqd"), ReadFileBytes(FixturePath("new_project.vqd")));
}

TEST(CliProjectCommands, SaveFailureIsReportedWithExitCodeOne)
{
    TempDir dir;
    const auto result =
        RunCli({"resave", FixturePath("new_project.vqd").string(), (dir / "missing" / "out.vqd").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, std::string(std::strerror(ENOENT)) + "\n");
}

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// The same words, numbers equal to within the 8 significant digits the file keeps.
void ExpectSameWithinFactorPrecision(const std::string& actual, const std::string& expected)
{
    const auto a = Words(actual), e = Words(expected);
    ASSERT_EQ(a.size(), e.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == e[i]) continue;
        char* endA = nullptr;
        char* endE = nullptr;
        const double x = std::strtod(a[i].c_str(), &endA), y = std::strtod(e[i].c_str(), &endE);
        ASSERT_TRUE(*endA == '\0' && *endE == '\0') << a[i] << " against " << e[i];
        EXPECT_LE(std::fabs(x - y), 1e-7 * std::fmax(std::fabs(x), std::fabs(y))) << a[i] << " against " << e[i];
    }
}

TEST(CliProjectCommands, UnitsSwitchesTheSystemAndBack)
{
    TempDir dir;
    const auto in = FixturePath("halfspace_weak.vqd");
    auto result = RunCli({"units", in.string(), "si", (dir / "si.vqd").string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string si = ReadFileBytes(dir / "si.vqd");
    EXPECT_NE(si.find("GRAVITY=9.8\r\n"), std::string::npos);
    // 12.75 ft and 13 ft
    EXPECT_NE(si.find("RECTANGULAR=3.8862,3.9624\r\n"), std::string::npos);

    result = RunCli({"units", (dir / "si.vqd").string(), "english", (dir / "back.vqd").string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    ExpectSameWithinFactorPrecision(ReadFileBytes(dir / "back.vqd"), ReadFileBytes(in));

    result = RunCli({"units", in.string(), "english", (dir / "same.vqd").string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadFileBytes(dir / "same.vqd"), ReadFileBytes(in));
}

TEST(CliProjectCommands, UsageErrorsExitWithTwo)
{
    TempDir dir;
    const std::vector<std::vector<std::string>> cases = {
        {"new"},
        {"resave", "only-one.vqd"},
        {"units", FixturePath("new_project.vqd").string(), "metric", (dir / "x.vqd").string()},
    };
    for (const auto& args : cases) {
        const auto result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2) << args.front() << " " << args.size();
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "x.vqd"));
}

} // namespace
} // namespace quavis
