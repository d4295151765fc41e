// quavis-cli run with the real engine library of the program folder, on the bundled example projects.

#include "model/project.h"
#include "model/project_reader.h"
#include "results/plot_data_reader.h"
#include "support/cli_runner.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <string>

namespace quavis::test {
namespace {

namespace fs = std::filesystem;

fs::path Example(const std::string& name)
{
    return fs::path(QUAVIS_FIXTURES_DIR).parent_path().parent_path() / "assets" / "examples" / name;
}

const nlohmann::json& Graph(const nlohmann::json& doc, const std::string& name)
{
    for (const auto& graph : doc.at("graphs"))
        if (graph.at("name") == name)
            return graph;
    throw std::runtime_error("no graph " + name);
}

class CliEngineRun : public testing::TestWithParam<const char*> {};

TEST_P(CliEngineRun, AnalysesTheExampleAndPrintsItsGraphs)
{
    const TempDir dir;
    const fs::path project = dir / GetParam();
    fs::copy_file(Example(GetParam()), project);
    {
        TProject p;
        ASSERT_EQ(ReadProjectFile(p, project.string()), "") << "the example reads back whole";
    }

    const CliResult r = RunCli({"run", project.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string output = ReadFileBytes(fs::path(project).replace_extension(".vqo"));
    EXPECT_NE(output.find("the analysis is complete"), std::string::npos) << output;
    EXPECT_EQ(output.find("ERROR"), std::string::npos) << output;

    const nlohmann::json doc = nlohmann::json::parse(r.out);
    EXPECT_TRUE(doc.at("resultsLoaded").get<bool>());
    // what the tool prints is what the engine wrote, as the program reads it
    TProject p;
    ASSERT_EQ(ReadProjectFile(p, project.string()), "");
    ASSERT_TRUE(ReadPlotData(p.ResultGraphs(), p.ProgramData(), fs::path(project).replace_extension(".vqp")));
    const auto& kxx = Graph(doc, "pltRealKXX").at("curves");
    const auto& response = Graph(doc, "pltDxyzR").at("curves");
    ASSERT_EQ(kxx.size(), 3u);
    ASSERT_EQ(response.size(), 3u);
    const int n = p.ResultGraphs().pltDxyzR.CurvePointCount();
    ASSERT_GT(n, 100);
    ASSERT_EQ(int(response[2].at("points").size()), n);
    for (int j = 0; j < n; ++j) {
        const double kww = kxx[2].at("points")[j][1].get<double>();
        EXPECT_TRUE(std::isfinite(kww) && kww > 0.0) << j;
        EXPECT_EQ(kww, double(p.ResultGraphs().pltRealKWW.PointAt(0, j).Y)) << j;
        EXPECT_EQ(response[2].at("points")[j][1].get<double>(), double(p.ResultGraphs().pltDxyzR.PointAt(2, j).Y)) << j;
        EXPECT_GT(response[2].at("points")[j][1].get<double>(), 0.0) << "the examples load vertically";
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, CliEngineRun, testing::Values("footing_surface.vqd", "footing_embedded.vqd"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).substr(8, std::string(info.param).size() - 12);
                         });

} // namespace
} // namespace quavis::test
