#include "graph/graph_plot.h"
#include "plot_printers.h"
#include "graph/plot_view.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

namespace quavis {
namespace {

using test::FixedMeasurer;

// A window of 672 by 472 pixels at 96 dots per inch: data area (41, 31, 641, 431), 600 by 400 pixels.
class PlotViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.Caption = "Footing Response";
        g.XOnTop = false;
        g.SetLineCount(3);
        g.SetPointCount(2);
        for (int i = 0; i < 3; ++i) {
            g.PointAt(i, 0) = {0, 0};
            g.PointAt(i, 1) = {50, 4000.0L + 100 * i};
        }
    }
    void Open()
    {
        ASSERT_TRUE(view.Create(measurer, 11, 16));
        view.FormResize({672, 472}, false);
    }

    TGraphPlot g;
    TPlotView view{g, 96, 96};
    FixedMeasurer measurer;
};

TEST_F(PlotViewTest, CreationSetsRangesEntriesAndLegendSize)
{
    g.LineAt(2).Active = false;
    g.onGetCaption = [](int curve, std::string& text) {
        if (curve == 1) text += "!";
    };
    ASSERT_TRUE(view.Create(measurer, 12, 16));
    EXPECT_EQ(view.FullRange, (DataRange{0, 50, 0, 5000}));
    EXPECT_EQ(view.ViewRange, view.FullRange);
    EXPECT_TRUE(g.LineAt(2).Active); // every curve active again
    EXPECT_EQ(view.Legend(), (std::vector<LegendEntry>{{0, "Curve #1"}, {1, "Curve #2!"}, {2, "Curve #3"}}));
    EXPECT_EQ(g.LegendFont, 12);
    // Widest "Curve #2! *" (11 characters, 77 pixels) plus a quarter inch; three items of 16 plus 3.
    EXPECT_EQ(view.LegendRect.Width(), 77 + 24);
    EXPECT_EQ(view.LegendRect.Height(), 51);
    EXPECT_TRUE(view.LegendVisible());
    g.ShowLegend = false;
    EXPECT_FALSE(view.LegendVisible());
}

TEST_F(PlotViewTest, OnlyTheFirstTwentyCurvesBecomeActive)
{
    g.SetLineCount(25);
    Open();
    ASSERT_EQ(view.Legend().size(), 20u);
    EXPECT_EQ(view.Legend().back().curve, 19);
    EXPECT_TRUE(g.LineAt(19).Active);
    EXPECT_FALSE(g.LineAt(20).Active);
    EXPECT_FALSE(g.LineAt(24).Active);
}

TEST_F(PlotViewTest, UnusableRangeMakesCreationFail)
{
    g.PointAt(0, 1).Y = 1.185e4932L;
    EXPECT_FALSE(view.Create(measurer, 11, 16));
}

TEST_F(PlotViewTest, ResizePlacesTheLegendAndKeepsItInside)
{
    Open();
    EXPECT_EQ(view.Layout.PlotRect, (DeviceRect{41, 31, 641, 431}));
    EXPECT_EQ(view.LegendRect, (DeviceRect{641 - 94, 431 - 51, 641, 431}));
    EXPECT_FALSE(view.Layout.legendBox);

    view.LegendRect = {10, 10, 104, 61};
    view.FormResize({672, 472}, true); // with a sender the legend keeps its place
    EXPECT_EQ(view.LegendRect, (DeviceRect{10, 10, 104, 61}));

    view.LegendRect = {547, 380, 641, 431};
    view.FormResize({300, 200}, true);
    EXPECT_EQ(view.LegendRect, (DeviceRect{206, 149, 300, 200}));
    view.FormResize({50, 30}, true);
    EXPECT_EQ(view.LegendRect, (DeviceRect{0, 0, 94, 51}));
}

TEST_F(PlotViewTest, DoubleFontSizeMovesTheDataAreaAndResetsTheLegend)
{
    Open();
    view.LegendRect = {0, 0, 94, 51};
    g.SizeFont = 20;
    view.SetupLegend(20, measurer);
    view.FormResize({672, 472}, false);
    EXPECT_EQ(view.LegendPointSize, 22);
    EXPECT_EQ(view.LegendItemHeight, 33);
    EXPECT_EQ(view.Layout.TextUnitFor(g), 28);
    EXPECT_EQ(view.Layout.PlotRect, (DeviceRect{71, 38, 634, 401}));
    EXPECT_EQ(view.LegendRect, (DeviceRect{634 - 94, 401 - 102, 634, 401}));
}

TEST_F(PlotViewTest, MouseReadoutZoomBoxAndZoomOut)
{
    Open();
    EXPECT_EQ(view.PaintBoxMouseMove({161, 331}).title, "Footing Response X: 10 Y: 1250");
    EXPECT_EQ(view.PaintBoxMouseMove({0, 0}).title, "Footing Response X: 0 Y: 5000"); // clamped into the area

    EXPECT_FALSE(view.PaintBoxMouseDown({161, 331}, TPlotView::Button::Left));
    EXPECT_TRUE(view.ZoomDragging());
    const auto move = view.PaintBoxMouseMove({341, 231});
    EXPECT_EQ(move.eraseBox, (DeviceRect{161, 331, 161, 331}));
    EXPECT_EQ(move.drawBox, (DeviceRect{161, 231, 341, 331}));
    EXPECT_TRUE(view.FormMouseUp({341, 231}));
    EXPECT_FALSE(view.ZoomDragging());
    EXPECT_EQ(view.ViewRange, (DataRange{10, 25, 1250, 2500}));
    EXPECT_FALSE(view.FormMouseUp({341, 231})); // no drag running

    EXPECT_FALSE(view.PaintBoxMouseDown({5, 5}, TPlotView::Button::Right)); // outside the data area
    EXPECT_TRUE(view.PaintBoxMouseDown({41, 31}, TPlotView::Button::Right));
    EXPECT_EQ(view.ViewRange, (DataRange{0, 30, 1250, 3750}));
}

TEST_F(PlotViewTest, LegendDragStaysInsideTheClientArea)
{
    Open();
    view.LegendMouseDown({10, 10});
    EXPECT_TRUE(view.LegendMouseMove({30, 5}));
    EXPECT_EQ(view.LegendRect, (DeviceRect{567, 375, 661, 426}));
    EXPECT_TRUE(view.LegendMouseMove({510, 10}));
    EXPECT_EQ(view.LegendRect.right, 672);
    view.LegendMouseUp();
    EXPECT_FALSE(view.LegendMouseMove({0, 0}));
}

TEST_F(PlotViewTest, ToggleAndStaleEntriesAfterARead)
{
    Open();
    EXPECT_EQ(view.LegendItemText(0), "Curve #1 *");
    EXPECT_TRUE(view.ToggleEntry(0));
    EXPECT_FALSE(g.LineAt(0).Shown);
    EXPECT_EQ(view.LegendItemText(0), "Curve #1");
    EXPECT_EQ(TPlotView::LegendItemColor(2), CurvePalette(2));

    EXPECT_FALSE(view.IsStale());
    g.SetLineCount(1); // a read that leaves one curve
    EXPECT_TRUE(view.IsStale());
    EXPECT_FALSE(view.ToggleEntry(2));
    EXPECT_EQ(view.LegendItemText(2), "Curve #3");
    EXPECT_TRUE(view.PruneLegend());
    EXPECT_EQ(view.Legend().size(), 1u);
    EXPECT_EQ(view.LegendRect.Height(), 16 + 3);
    EXPECT_FALSE(view.PruneLegend());

    test::RecordingCanvas canvas;
    view.Paint(canvas);
    EXPECT_FALSE(canvas.ops.empty());
    ASSERT_TRUE(view.Create(measurer, 11, 16)); // a fresh window state
    EXPECT_FALSE(view.IsStale());
}

} // namespace
} // namespace quavis
