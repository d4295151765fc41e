#include "results/graphics_menu.h"

#include "results/plot_data_reader.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quavis {
namespace {

using Items = std::array<bool, GraphicsItemCount>;

TEST(GraphicsMenu, EnablingRules)
{
    struct Case {
        bool loaded;
        bool exists;
        int writeMatrix;
        int loading;
        Items expected; // four impedance items, two response items, interactive item
    };
    const Case cases[] = {
        {true, true, 1, HarmonicLoading, {1, 1, 1, 1, 1, 1, 1}},
        {false, true, 1, HarmonicLoading, {0, 0, 0, 0, 0, 0, 0}},
        {true, false, 1, HarmonicLoading, {0, 0, 0, 0, 0, 0, 0}},
        {true, true, 0, HarmonicLoading, {0, 0, 0, 0, 0, 0, 1}},
        {true, true, 1, TransientLoading, {1, 1, 1, 1, 0, 0, 1}},
        {true, true, 1, RandomLoading, {1, 1, 1, 1, 0, 0, 1}},
        {true, true, 0, RandomLoading, {0, 0, 0, 0, 0, 0, 1}},
        {false, false, 0, RandomLoading, {0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        TProgramData data;
        data.WriteMatrix = c.writeMatrix;
        data.LoadingType = c.loading;
        EXPECT_EQ(GraphicsMenuState(data, c.loaded, c.exists).Enabled, c.expected)
            << c.loaded << c.exists << c.writeMatrix << c.loading;
    }
}

TEST(GraphicsMenu, LooksAtThePlotDataFileEachTime)
{
    test::TempDir dir;
    TProgramData data;
    data.FileName = (dir / "job.vqd").string();
    EXPECT_FALSE(GraphicsMenuState(data, true)[TGraphicsItem::FootingResponseAmplitudeDisplacement1]);
    dir.Write("job.vqp", "0\r\n");
    EXPECT_TRUE(GraphicsMenuState(data, true)[TGraphicsItem::FootingResponseAmplitudeDisplacement1]);
    EXPECT_TRUE(GraphicsMenuState(data, true)[TGraphicsItem::mrealKxx]);
    std::filesystem::remove(dir / "job.vqp");
    EXPECT_EQ(GraphicsMenuState(data, true).Enabled, Items{});
}

TEST(GraphicsMenu, ItemsNameTheGraphsTheyShow)
{
    TResultGraphs graphs;
    const auto& items = GraphicsMenuItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(items[i].Item), i);
        if (items[i].GraphName) {
            const TGraphPlot* graph = graphs.Find(items[i].GraphName);
            ASSERT_NE(graph, nullptr) << items[i].Field;
            EXPECT_EQ(graph, graphs.Graphs()[i]) << "the six shown graphs come first, in menu order";
        }
    }
    EXPECT_EQ(items[6].GraphName, nullptr);
    EXPECT_EQ(std::string(items[6].Caption), "Interactive Footing Response Amplitude ");
    EXPECT_TRUE(items[2].SeparatorBefore && items[4].SeparatorBefore && items[6].SeparatorBefore);
    EXPECT_FALSE(items[1].SeparatorBefore || items[3].SeparatorBefore || items[5].SeparatorBefore);
}

} // namespace
} // namespace quavis
