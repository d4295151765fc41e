#include "graph/graph_plot.h"
#include "plot_printers.h"
#include "graph/paint_graph.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quavis {
namespace {

using test::RecordingCanvas;
using Kind = RecordingCanvas::Kind;

// Curves in a window whose data area is 600 by 420 pixels at 96 dots per inch (h = 14).
class PaintGraphTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.XOnTop = false;
        g.SetLineCount(3);
        g.SetPointCount(12);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 12; ++j) g.PointAt(i, j) = {j * 50.0L / 11, (i + 1) * 1000.0L + j * 100};
        layout = ScreenLayout(g, {672, 500}, 96, 96);
        view = {0, 50, 0, 5000};
        for (int i = 0; i < 3; ++i) legend.push_back({i, "Curve " + std::to_string(i)});
    }

    // Curve polylines (more than the few vertices of a marker), in drawing order.
    std::vector<RecordingCanvas::Op> CurveLines() const
    {
        std::vector<RecordingCanvas::Op> out;
        for (const auto& op : canvas.Of(Kind::Polyline))
            if (op.points.size() == 12) out.push_back(op);
        return out;
    }

    TGraphPlot g;
    PlotLayout layout;
    DataRange view;
    std::vector<LegendEntry> legend;
    RecordingCanvas canvas;
};

TEST_F(PaintGraphTest, UnderAnInchOnlyTheBackgroundIsDrawn)
{
    layout = ScreenLayout(g, {672, 80}, 96, 96);
    PaintGraph(canvas, g, layout, view, legend);
    ASSERT_EQ(canvas.ops.size(), 1u);
    EXPECT_EQ(canvas.ops[0].kind, Kind::Fill);
    EXPECT_EQ(canvas.ops[0].rect, (DeviceRect{0, 0, 672, 80}));
    EXPECT_EQ(canvas.ops[0].brush.color, kColorWhite);
}

TEST_F(PaintGraphTest, ColoursFollowActivePositionsAndHiddenCurvesKeepTheirColour)
{
    g.LineAt(1).Shown = false; // hidden but active: still takes blue, so the third stays red
    PaintGraph(canvas, g, layout, view, legend);
    auto lines = CurveLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].pen.color, CurvePalette(0));
    EXPECT_EQ(lines[1].pen.color, CurvePalette(2));
    EXPECT_EQ(lines[0].clip, layout.PlotRect);
    EXPECT_EQ(lines[0].pen.width, 1);

    // Inactive first curve: the others move up in colour, their marker shapes stay those of their positions.
    canvas.ops.clear();
    g.LineAt(1).Shown = true;
    g.LineAt(0).Active = false;
    PaintGraph(canvas, g, layout, view, legend);
    lines = CurveLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].pen.color, CurvePalette(0));
    EXPECT_EQ(lines[1].pen.color, CurvePalette(1));
    std::vector<std::size_t> markerSizes;
    for (const auto& op : canvas.Of(Kind::Polyline))
        if (op.clip == layout.PlotRect && op.points.size() < 12) markerSizes.push_back(op.points.size());
    ASSERT_EQ(markerSizes.size(), 24u); // every point of two curves
    EXPECT_EQ(markerSizes.front(), 5u);  // square of position 1
    EXPECT_EQ(markerSizes.back(), 4u);   // upward triangle of position 2
}

TEST_F(PaintGraphTest, MarkersEveryFifthPointAndWiderPens)
{
    g.SetLineCount(1);
    g.Markers = 5;
    g.WidthLine = 4;
    PaintGraph(canvas, g, layout, view, legend);
    const auto lines = CurveLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen.width, 4);
    std::vector<DevicePoint> centres;
    for (const auto& op : canvas.Of(Kind::Polyline))
        if (op.points.size() == 4 && op.clip == layout.PlotRect) centres.push_back({op.points[0].x, op.points[0].y - 3});
    const std::vector<DevicePoint> expected{lines[0].points[0], lines[0].points[5], lines[0].points[10]};
    EXPECT_EQ(centres, expected); // downward triangles: first vertex 3 pixels below the point
    EXPECT_EQ(CurvePenWidth(600, 2), 6);
}

TEST_F(PaintGraphTest, CurvesNeedAFirstCurveOfTwoPoints)
{
    g.SetPointCount(1);
    PaintGraph(canvas, g, layout, view, legend);
    for (const auto& op : canvas.Of(Kind::Polyline)) EXPECT_NE(op.clip, layout.PlotRect);
}

TEST_F(PaintGraphTest, TickLabelsGridAndFrame)
{
    ASSERT_EQ(layout.PlotRect.Width(), 600);
    PaintGraph(canvas, g, layout, view, legend);
    // x: step 5, labels 0, 5, ..., 50 under the data area.
    for (int v = 0; v <= 50; v += 5) {
        const auto* label = canvas.FindText(std::to_string(v));
        ASSERT_NE(label, nullptr) << v;
        EXPECT_EQ(label->at.y, layout.PlotRect.bottom + 96 / 16);
        EXPECT_EQ(label->font.weight, kFontNormal);
    }
    EXPECT_EQ(canvas.FindText("55"), nullptr);
    // Grid lines are dotted, one per label; ticks solid, one per minor step of both axes.
    int dottedVertical = 0, xTicks = 0;
    for (const auto& op : canvas.Of(Kind::Polyline)) {
        if (op.points.size() != 2 || op.points[0].x != op.points[1].x) continue;
        if (op.pen.style == PenStyle::Dot) ++dottedVertical;
        else if (op.points[0].y == layout.PlotRect.bottom && op.points[1].y == layout.PlotRect.bottom - 6) ++xTicks;
    }
    EXPECT_EQ(dottedVertical, 11);
    EXPECT_EQ(xTicks, 51);
    // y labels run upwards left of the data area.
    const auto* y1000 = canvas.FindText("1000");
    ASSERT_NE(y1000, nullptr);
    EXPECT_EQ(y1000->font.angle, 90);
    EXPECT_EQ(y1000->at.x, layout.PlotRect.left - 14 - 3);

    const auto& frame = canvas.ops.back();
    EXPECT_EQ(frame.kind, Kind::Rectangle);
    EXPECT_EQ(frame.rect, (DeviceRect{layout.PlotRect.left, layout.PlotRect.top, layout.PlotRect.right + 1,
                                      layout.PlotRect.bottom + 1}));
    EXPECT_EQ(frame.brush.style, BrushStyle::Clear);
    EXPECT_EQ(frame.pen.width, 1);
}

TEST_F(PaintGraphTest, AxisLabelsWithUnitTextsAndTitle)
{
    g.XCaption = "Frequency";
    g.XUnits = "Hz";
    g.YCaption = "Translational Stiffness";
    g.YUnits = "F/L2";
    g.SetUnits(2);
    g.GraphTitle = "Run 1";
    g.TitleOnTop = false;
    layout = ScreenLayout(g, {672, 500}, 96, 96);
    PaintGraph(canvas, g, layout, view, legend);

    const auto* x = canvas.FindText("Frequency (Hz)");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->font.weight, kFontBold);
    EXPECT_EQ(x->at, (DevicePoint{(672 - 7 * 14) / 2, 500 - 14 - (1 + 14)})); // above the bottom title
    const auto* title = canvas.FindText("Run 1");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->at, (DevicePoint{(672 - 35) / 2, 500 - 14}));
    const auto* y = canvas.FindText("Translational Stiffness (kN/m)");
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(y->font.angle, 90);
    EXPECT_EQ(y->at, (DevicePoint{0, (500 + 7 * 30) / 2}));
    EXPECT_EQ(AxisLabel("Frequency (Hz)", "", 1), "Frequency (Hz)");
}

TEST_F(PaintGraphTest, LegendBoxListsShownEntriesInTheLowerRightCorner)
{
    layout.legendBox = true;
    g.LineAt(1).Shown = false;
    PaintGraph(canvas, g, layout, view, legend);
    const DeviceRect& plot = layout.PlotRect;
    // Two shown entries of 7 characters (49 pixels), text height 14.
    const DeviceRect box{plot.right - 49 - 18, plot.bottom - (3 + 14) * 2 - 3, plot.right, plot.bottom};
    const auto rects = canvas.Of(Kind::Rectangle);
    ASSERT_EQ(rects.size(), 2u); // the box and the frame
    EXPECT_EQ(rects[0].rect, box);
    EXPECT_EQ(rects[0].brush, (PlotBrush{kColorWhite, BrushStyle::Solid}));

    const auto* first = canvas.FindText("Curve 0");
    const auto* third = canvas.FindText("Curve 2");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(canvas.FindText("Curve 1"), nullptr);
    EXPECT_EQ(first->at, (DevicePoint{box.left + 12, box.top + 3}));
    EXPECT_EQ(third->at, (DevicePoint{box.left + 12, box.top + 3 + 17}));
    EXPECT_EQ(first->font.color, CurvePalette(0));
    EXPECT_EQ(third->font.color, CurvePalette(2)); // colour of its legend position
    // Its marker: the shape of legend position 2 (upward triangle), black, left of the text.
    const auto marker = std::find_if(canvas.ops.begin(), canvas.ops.end(), [&](const RecordingCanvas::Op& op) {
        return op.kind == Kind::Polyline && op.points.size() == 4 && op.points[0] == DevicePoint{box.left + 6, box.top + 20 + 7 - 3};
    });
    ASSERT_NE(marker, canvas.ops.end());
    EXPECT_EQ(marker->pen.color, kColorBlack);

    // Entries whose curves are gone after a read are passed over.
    canvas.ops.clear();
    g.SetLineCount(1);
    PaintGraph(canvas, g, layout, view, legend);
    EXPECT_NE(canvas.FindText("Curve 0"), nullptr);
    EXPECT_EQ(canvas.FindText("Curve 2"), nullptr);
}

} // namespace
} // namespace quavis
