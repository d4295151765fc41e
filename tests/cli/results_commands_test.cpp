#include "support/cli_runner.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>

namespace quavis::test {
namespace {

// The English fixture project (centre of gravity 1, 2, 3 ft, stiffness matrix, harmonic loading) in a
// fresh folder as job.vqd, with its plot-data file as job.vqp when `plotData` is given.
struct Job {
    TempDir dir;
    std::filesystem::path project;

    explicit Job(const std::string& plotData)
    {
        project = dir.Write("job.vqd", ReadFileBytes(FixturePath("plotdata_english_job.vqd")));
        if (!plotData.empty()) dir.Write("job.vqp", plotData);
    }
};

std::string FixturePlotData() { return ReadFileBytes(FixturePath("plotdata_english_job.vqp")); }

TEST(ResultsCommand, PrintsTheGraphsAfterTheRead)
{
    Job job(FixturePlotData());
    const CliResult r = RunCli({"results", job.project.string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, ReadFileBytes(FixturePath("plotdata_english_job.json")));
}

TEST(ResultsCommand, NumbersCarrySeventeenDigits)
{
    // Stiffness at omega 1 and 2, damping at 3 and 4: x is omega / 6.2832 to 17 digits.
    Job job("2\n1 0.12345678901234567891 0 0 0 0 0 0 0\n3 0 0 0 0 0 0 0 0\n2 -7 0 0 0 0 0 0 0\n4 0 0 0 0 0 0 0 0\n"
            "1 1e-300 0 0 0 0 0\n2 0 0 0 0 0 0\n");
    const CliResult r = RunCli({"results", job.project.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("{\"legend\": \"Kxx\", \"points\": [[0.1591545709192768, 0.12345678901234568], "
                         "[0.3183091418385536, -7]]}"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("{\"legend\": \"Cxx\", \"points\": [[0.4774637127578304, 0], [0.63661828367710721, 0]]}"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("[0.1591545709192768, 1e-300]"), std::string::npos) << r.out;
}

TEST(ResultsCommand, WithoutOrWithABrokenPlotDataFile)
{
    {
        Job job("");
        const CliResult r = RunCli({"results", job.project.string()});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        const auto json = nlohmann::json::parse(r.out);
        EXPECT_FALSE(json["resultsLoaded"].get<bool>());
        ASSERT_EQ(json["graphs"].size(), 18u);
        for (const auto& graph : json["graphs"]) {
            EXPECT_TRUE(graph["curves"].empty());
            EXPECT_EQ(graph["units"], 1) << "a graph never read keeps its stored units";
        }
    }
    {
        // The read stops in the second stiffness record: what was read stays, names and units are not set.
        Job job("2\n62.832 1 2 3 4 5 6 7 8\n62.832 1 2 3 4 5 6 7 8\n125.664 11 12\n");
        const CliResult r = RunCli({"results", job.project.string()});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        const auto json = nlohmann::json::parse(r.out);
        EXPECT_FALSE(json["resultsLoaded"].get<bool>());
        const auto& kxx = json["graphs"][0];
        EXPECT_EQ(kxx["name"], "pltRealKXX");
        EXPECT_EQ(kxx["units"], 1);
        ASSERT_EQ(kxx["curves"].size(), 1u);
        EXPECT_EQ(kxx["curves"][0]["legend"], "Curve #1");
        EXPECT_EQ(kxx["curves"][0]["points"], nlohmann::json::parse("[[10, 1], [20, 11]]"));
        EXPECT_EQ(json["graphs"][4]["curves"].size(), 3u);
    }
}

TEST(ResultsCommand, ProjectReadErrorStillPrintsTheGraphs)
{
    TempDir dir;
    const CliResult r = RunCli({"results", (dir / "missing.vqd").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(r.err.empty());
    EXPECT_FALSE(nlohmann::json::parse(r.out)["resultsLoaded"].get<bool>());
}

TEST(AmplitudeCommand, WritesTheExportOfTheWindow)
{
    Job job(FixturePlotData());
    const auto out = job.dir / "amp.txt";
    // Two feet from the centre of gravity along y: Ux = Dx + 2 theta z, Uy = Dy, Uz = Dz - 2 theta x.
    CliResult r = RunCli({"amplitude", job.project.string(), "1", "4", "3", out.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(out),
              "Reference Point\r\n"
              "X=  1.00000000000000E+0000 ft, Y=  4.00000000000000E+0000 ft, Z=  3.00000000000000E+0000 ft\r\n"
              "n,Frequency,Disp_x,Disp_y,Disp_z\r\n"
              ",Hz,ft,ft,ft\r\n"
              "1, 1.00000000000000E+0001, 5.62500000000000E-0001, 2.50000000000000E-0001, 0.00000000000000E+0000\r\n"
              "2, 2.00000000000000E+0001, 1.25000000000000E+0000, 2.00000000000000E+0000, 2.00000000000000E+0000\r\n");

    r = RunCli({"amplitude", job.project.string(), "-2", "-pi", "0", "--shown", "si", "--rotation", out.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(out),
              "Reference Point\r\n"
              "X= -2.00000000000000E+0000 m, Y= -3.14159265358979E+0000 m, Z=  0.00000000000000E+0000 m\r\n"
              "n,Frequency,Disp_x,Disp_y,Disp_z\r\n"
              ",Hz,m,m,m\r\n"
              "1, 1.00000000000000E+0001, 6.25000000000000E-0002, 1.00000000000000E+0000, 3.12500000000000E-0002\r\n"
              "2, 2.00000000000000E+0001, 5.00000000000000E-0001, 2.50000000000000E-0001, 1.25000000000000E-0001\r\n");

    // SI shown at the centre of gravity (0.3048, 0.6096, 0.9144 m): the translations in metres.
    r = RunCli({"amplitude", job.project.string(), "0.3048", "2*0.3048", "3*0.3048", "--shown=si", out.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(ReadFileBytes(out).find("\r\n2, 2.00000000000000E+0001, 3.04800000000000E-0001, 6.09600000000000E-0001,"
                                      " 9.14400000000000E-0001\r\n"),
              std::string::npos);
}

TEST(AmplitudeCommand, Failures)
{
    Job job(FixturePlotData());
    const auto out = job.dir / "amp.txt";
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        {{"amplitude", job.project.string(), "1", "2", out.string()}, 2},
        {{"amplitude", job.project.string(), "1", "2", "3", "--shown", "metric", out.string()}, 2},
        {{"amplitude", job.project.string(), "1", "2", "3", "--bogus", out.string()}, 2},
        {{"amplitude", job.project.string(), "1", "2", "x+", out.string()}, 1},
        {{"amplitude", job.project.string(), "1", "2", "3", (job.dir / "no folder" / "amp.txt").string()}, 1},
    };
    for (const Case& c : cases) {
        const CliResult r = RunCli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[4] << " " << c.args[5];
        EXPECT_FALSE(r.err.empty());
        EXPECT_FALSE(std::filesystem::exists(out));
    }

    // Without results the window cannot be opened.
    std::filesystem::remove(job.dir / "job.vqp");
    CliResult r = RunCli({"amplitude", job.project.string(), "1", "2", "3", out.string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("job.vqp"), std::string::npos) << r.err;
    job.dir.Write("job.vqp", "2\n1 2 3\n");
    r = RunCli({"amplitude", job.project.string(), "1", "2", "3", out.string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("An error occured in running the main program."), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
} // namespace quavis::test
