#include "graph/graph_plot.h"
#include "plot_printers.h"
#include "graph/plot_geometry.h"
#include "graph/plot_layout.h"
#include "support/float_compare.h"

#include <gtest/gtest.h>

#include <limits>

namespace quavis {
namespace {

// A graph with one curve through the given points.
void SetPoints(TGraphPlot& g, std::initializer_list<TFloatPoint> points)
{
    g.SetLineCount(1);
    g.SetPointCount(static_cast<int>(points.size()));
    int j = 0;
    for (const TFloatPoint& p : points) g.PointAt(0, j++) = p;
}

void ExpectRange(const DataRange& r, long double xmin, long double xmax, long double ymin, long double ymax)
{
    EXPECT_NEAR_REL(r.xmin, xmin, 1e-15L);
    EXPECT_NEAR_REL(r.xmax, xmax, 1e-15L);
    EXPECT_NEAR_REL(r.ymin, ymin, 1e-15L);
    EXPECT_NEAR_REL(r.ymax, ymax, 1e-15L);
}

TEST(AxisRange, IncludesTheOriginAndRoundsToTheAxisUnit)
{
    TGraphPlot g;
    SetPoints(g, {{0.5L, 1200}, {20, 9800}, {50, 3000}});
    ExpectRange(*AxisRange(g), 0, 50, 0, 10000);

    SetPoints(g, {{1, -3.7L}, {2, -3.7L}});
    ExpectRange(*AxisRange(g), 0, 2, -4, 0);

    // Constant zero: widened to -0.01 .. 0.01 first, then set with the unit 0.001.
    SetPoints(g, {{0, 0}, {10, 0}});
    ExpectRange(*AxisRange(g), 0, 10, -0.01L, 0.01L);

    SetPoints(g, {{-7, 2.5L}, {3, 25}});
    ExpectRange(*AxisRange(g), -7, 3, 0, 25);

    g.SetLineCount(0);
    ExpectRange(*AxisRange(g), -0.01L, 0.01L, -0.01L, 0.01L);
}

TEST(AxisRange, CoversEveryCurveActiveOrNot)
{
    TGraphPlot g;
    g.SetLineCount(2);
    g.SetPointCount(1);
    g.PointAt(0, 0) = {4, 4};
    g.PointAt(1, 0) = {-40, 90};
    g.LineAt(1).Active = false;
    g.LineAt(1).Shown = false;
    ExpectRange(*AxisRange(g), -40, 10, 0, 90);
}

TEST(AxisRange, NonFiniteValuesAreLeftOutAndOverflowGivesNoRange)
{
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    constexpr long double nan = std::numeric_limits<long double>::quiet_NaN();
    TGraphPlot g;
    SetPoints(g, {{inf, 5}, {nan, -inf}, {50, 9800}});
    ExpectRange(*AxisRange(g), 0, 50, 0, 10000);

    // Rounding up to the next unit would exceed the largest number.
    SetPoints(g, {{1, 1.185e4932L}});
    EXPECT_FALSE(AxisRange(g).has_value());
}

TEST(AxisUnit, LargestPowerOfTenOrTheNextLowerBelowLeadingThree)
{
    const std::pair<long double, long double> cases[] = {
        {25, 1}, {50, 10}, {300, 100}, {299, 10}, {1000, 100}, {0.02L, 0.001L}, {3.7L, 1},
        {9800, 1000}, {0.3L, 0.1L}, {0.29L, 0.01L}, {10, 1},
    };
    for (const auto& [extent, unit] : cases) EXPECT_NEAR_REL(AxisUnit(extent), unit, 1e-15L) << extent;
    EXPECT_EQ(AxisUnit(0), 0.0L);
    EXPECT_EQ(AxisUnit(-1), 0.0L);
}

TEST(TextUnit, ScalesTheBaseFontAndTruncates)
{
    struct Case {
        int base, size, expected;
    };
    const Case cases[] = {{14, 10, 14}, {14, 20, 28}, {14, 15, 21}, {-11, 10, 11}, {15, 15, 22}, {-15, 15, 22},
                          {14, 0, 0}};
    for (const Case& c : cases) EXPECT_EQ(TextUnit(c.base, c.size), c.expected) << c.base << "x" << c.size;
    EXPECT_EQ(ScreenBaseFontHeight(96), 14);
    EXPECT_EQ(ScreenBaseFontHeight(120), 18);
    EXPECT_EQ(CanvasBaseFontHeight(72), 8);
    EXPECT_EQ(CanvasBaseFontHeight(600), 67);
}

TEST(ScreenLayout, DataAreaForAxisPositionAndTitle)
{
    struct Case {
        bool xOnTop, title, titleOnTop;
        int sizeFont;
        DeviceRect expected;
    };
    const Case cases[] = {
        {true, false, false, 10, {41, 41, 769, 569}},
        {false, false, false, 10, {41, 31, 769, 559}},
        {true, true, true, 10, {41, 56, 769, 569}},  // title on top: down by h/8 + h
        {false, true, false, 10, {41, 31, 769, 545}}, // title at the bottom: up by h
        {false, false, false, 20, {71, 38, 762, 529}}, // 2 * Default: h = 28
    };
    for (const Case& c : cases) {
        TGraphPlot g;
        g.XOnTop = c.xOnTop;
        g.GraphTitle = c.title ? "Title" : "";
        g.TitleOnTop = c.titleOnTop;
        g.SizeFont = c.sizeFont;
        const PlotLayout layout = ScreenLayout(g, {800, 600}, 96, 96);
        EXPECT_EQ(layout.PageRect, (DeviceRect{0, 0, 800, 600}));
        EXPECT_EQ(layout.PlotRect, c.expected) << c.xOnTop << c.title << c.titleOnTop << c.sizeFont;
        EXPECT_FALSE(layout.legendBox);
    }
}

TEST(PrinterLayout, MarginsOffsetsAndTitleSpaces)
{
    const PrinterPage printer{600, 600, 25, 30, 4800, 6400};
    EXPECT_EQ(PrinterPageRect(printer, {1000, 1000, 1000, 1000}), (DeviceRect{575, 570, 4225, 5830}));
    // Margins narrower than the unprintable strips start at the printable area's edges.
    EXPECT_EQ(PrinterPageRect(printer, {10, 10, 10, 10}), (DeviceRect{0, 0, 4800, 6400}));

    TGraphPlot g;
    g.XOnTop = false;
    const int h = CanvasBaseFontHeight(600); // 67: label space 2h + dpiX/8 + h/8 = 217
    PlotLayout layout = PrinterLayout(g, printer, {1000, 1000, 1000, 1000}, h);
    EXPECT_TRUE(layout.legendBox);
    EXPECT_EQ(layout.PlotRect, (DeviceRect{792, 570, 4225, 5613}));
    g.XOnTop = true;
    EXPECT_EQ(PrinterLayout(g, printer, {1000, 1000, 1000, 1000}, h).PlotRect, (DeviceRect{792, 787, 4225, 5830}));
    g.GraphTitle = "T";
    g.TitleOnTop = true;
    EXPECT_EQ(PrinterLayout(g, printer, {1000, 1000, 1000, 1000}, h).PlotRect, (DeviceRect{792, 937, 4225, 5830}));
    g.TitleOnTop = false;
    EXPECT_EQ(PrinterLayout(g, printer, {1000, 1000, 1000, 1000}, h).PlotRect, (DeviceRect{792, 787, 4225, 5530}));
}

TEST(BitmapLayout, PictureSizeAndWindowFormulasWithoutTitle)
{
    const BitmapExtent size = BitmapSize(4, 6, 72);
    EXPECT_EQ(size.width, 432);
    EXPECT_EQ(size.height, 288);
    const BitmapExtent huge = BitmapSize(4, 6, 2147483647.0L);
    EXPECT_EQ(huge.width, 12884901882LL); // reported whole so that the caller can refuse it

    TGraphPlot g;
    g.XOnTop = false;
    g.GraphTitle = "Title";
    g.TitleOnTop = true;
    const PlotLayout layout = BitmapLayout(g, {432, 288}, 96, 96, CanvasBaseFontHeight(96)); // h = 11
    EXPECT_EQ(layout.PageRect, (DeviceRect{0, 0, 432, 288}));
    EXPECT_EQ(layout.PlotRect, (DeviceRect{35, 29, 403, 253}));
    EXPECT_TRUE(layout.legendBox);
}

TEST(Mapping, ToPixelAndBack)
{
    const DataRange view{0, 50, 0, 10000};
    const DeviceRect plot{100, 50, 700, 450};
    struct Case {
        TFloatPoint data;
        bool xOnTop;
        DevicePoint pixel;
    };
    const Case cases[] = {
        {{10, 2500}, false, {220, 350}}, {{10, 2500}, true, {220, 150}}, {{0, 0}, false, {100, 450}},
        {{0, 0}, true, {100, 50}},       {{50, 10000}, false, {700, 50}}, {{25, 5000}, true, {400, 250}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToPixel(c.data, view, plot, c.xOnTop), c.pixel);
        const TFloatPoint back = ToData(c.pixel, view, plot, c.xOnTop);
        EXPECT_NEAR_REL(back.X, c.data.X, 1e-15L);
        EXPECT_NEAR_REL(back.Y, c.data.Y, 1e-15L);
    }
    // Left or right of the data area: (0, 0).
    for (const DevicePoint p : {DevicePoint{99, 200}, DevicePoint{701, 200}}) {
        const TFloatPoint d = ToData(p, view, plot, false);
        EXPECT_EQ(d.X, 0.0L);
        EXPECT_EQ(d.Y, 0.0L);
    }
    // Values far outside the view stay defined pixel numbers.
    const DevicePoint far = ToPixel({1e300L, std::numeric_limits<long double>::quiet_NaN()}, view, plot, false);
    EXPECT_GT(far.x, 1000000);
    EXPECT_EQ(far.y, 450);
}

TEST(TickStep, StepsFromTheLabelSpace)
{
    // 600 pixels and h = 14: seven label spaces; 0..50 gives s = 7.14, step 5, minor 1.
    const TickSteps t = TickStep({0, 50, 0, 10000}, {0, 0, 600, 400}, 14);
    ASSERT_TRUE(t.ok);
    EXPECT_NEAR_REL(t.x.step, 5, 1e-15L);
    EXPECT_NEAR_REL(t.x.minor, 1, 1e-15L);
    EXPECT_EQ(t.x.first, 0);
    EXPECT_EQ(t.x.last, 50);
    EXPECT_TRUE(t.x.present);
    EXPECT_NEAR_REL(t.y.step, 2000, 1e-15L); // four spaces: s = 2500
    EXPECT_EQ(t.y.first, 0);
    EXPECT_EQ(t.y.last, 25);

    const TickSteps negative = TickStep({-7, 3, -0.01L, 0.01L}, {0, 0, 600, 400}, 14);
    EXPECT_EQ(negative.x.first, -35); // minor 0.2
    EXPECT_EQ(negative.x.last, 15);
    EXPECT_NEAR_REL(negative.y.minor, 0.001L, 1e-15L); // s = 0.005: step 0.005
    EXPECT_EQ(negative.y.first, -10);
    EXPECT_EQ(negative.y.last, 10);

    // Zoomed away from the origin: indices start at 0 (the painter skips those outside the area).
    const TickSteps zoomed = TickStep({10, 20, 0, 1}, {0, 0, 600, 400}, 14);
    EXPECT_EQ(zoomed.x.first, 0);
    EXPECT_EQ(zoomed.x.last, 100); // s = 10 / 7: step 1, minor 0.2
}

TEST(TickStep, NoTicksWithoutLabelSpaceOrIndices)
{
    EXPECT_FALSE(TickStep({0, 50, 0, 1}, {0, 0, 80, 400}, 14).ok);
    EXPECT_FALSE(TickStep({0, 50, 0, 1}, {0, 0, 600, 80}, 14).ok);
    EXPECT_FALSE(TickStep({0, 50, 0, 1}, {0, 0, 600, 400}, 0).ok); // no text height: no spacing at all
    // An axis whose range holds only index 0 has no ticks.
    const TickSteps t = TickStep({0, 50, 0, 1e-30L}, {0, 0, 600, 400}, 14);
    EXPECT_TRUE(t.ok);
    EXPECT_TRUE(t.x.present);
    EXPECT_TRUE(t.y.present);
    const TickSteps degenerate = TickStep({0, 50, 0, 0}, {0, 0, 600, 400}, 14);
    EXPECT_FALSE(degenerate.y.present);
}

TEST(NiceStep, OneTwoFiveOrTen)
{
    const std::pair<long double, long double> cases[] = {{10, 10}, {9, 10}, {2, 2},     {4.9L, 2},    {5, 5},
                                                         {8.9L, 5}, {1.5L, 1}, {0.3L, 0.2L}, {0.02L, 0.02L}};
    for (const auto& [s, step] : cases) EXPECT_NEAR_REL(NiceStep(s, 1), step, 1e-15L) << s;
    EXPECT_EQ(NiceStep(10, 0), 0.0L);
}

TEST(MarkerVertices, ShapesByCurvePosition)
{
    using V = std::vector<DevicePoint>;
    const DevicePoint c{100, 100};
    // 64 dots per inch: radius 2 pixels.
    EXPECT_EQ(MarkerVertices(c, 0, 64, 64), (V{{100, 102}, {98, 99}, {102, 99}, {100, 102}})); // vertex below
    EXPECT_EQ(MarkerVertices(c, 1, 64, 64), (V{{101, 99}, {101, 101}, {99, 101}, {99, 99}, {101, 99}}));
    EXPECT_EQ(MarkerVertices(c, 2, 64, 64), (V{{100, 98}, {102, 101}, {98, 101}, {100, 98}})); // vertex above
    EXPECT_EQ(MarkerVertices(c, 3, 64, 128), (V{{100, 96}, {102, 100}, {100, 104}, {98, 100}, {100, 96}}));
    EXPECT_EQ(MarkerVertices(c, 4, 64, 64).size(), 6u); // pentagon, closed
}

TEST(MarkerAt, EveryMarkersPointsFromTheFirst)
{
    std::vector<int> at;
    for (int j = 0; j < 12; ++j)
        if (MarkerAt(j, 5)) at.push_back(j);
    EXPECT_EQ(at, (std::vector<int>{0, 5, 10}));
    EXPECT_FALSE(MarkerAt(0, 0));
    EXPECT_FALSE(MarkerAt(0, -2));
}

void ExpectSpan(const DataRange& r, long double xmin, long double xmax, long double ymin, long double ymax)
{
    EXPECT_NEAR(static_cast<double>(r.xmin), static_cast<double>(xmin), 1e-12);
    EXPECT_NEAR(static_cast<double>(r.xmax), static_cast<double>(xmax), 1e-12);
    EXPECT_NEAR(static_cast<double>(r.ymin), static_cast<double>(ymin), 1e-12);
    EXPECT_NEAR(static_cast<double>(r.ymax), static_cast<double>(ymax), 1e-12);
}

TEST(ZoomOut, DoublesTheViewWithinTheFullRange)
{
    const DataRange full{0, 100, 0, 10};
    ExpectSpan(ZoomOut({10, 20, 2, 4}, full, {12, 3}), 2, 22, 1, 5);
    ExpectSpan(ZoomOut({0, 10, 0, 10}, full, {1, 5}), 0, 20, 0, 10); // shifted to start at the full xmin
    ExpectSpan(ZoomOut({90, 100, 4, 6}, full, {99, 5}), 80, 100, 3, 7);
    ExpectSpan(ZoomOut({0, 60, 0, 10}, full, {5, 5}), 0, 100, 0, 10); // never beyond the full range
}

TEST(ZoomIn, BoxWithAMinimumOfOneTwentieth)
{
    const DataRange full{0, 100, 0, 100};
    const DeviceRect plot{0, 0, 1000, 1000};
    EXPECT_FALSE(ZoomIn(full, full, {10, 10}, {10, 200}, plot, true).has_value());
    EXPECT_FALSE(ZoomIn(full, full, {10, 10}, {300, 10}, plot, true).has_value());
    ExpectSpan(*ZoomIn(full, full, {100, 100}, {500, 300}, plot, true), 10, 50, 10, 30);
    ExpectSpan(*ZoomIn(full, full, {500, 300}, {100, 100}, plot, true), 10, 50, 10, 30);
    ExpectSpan(*ZoomIn(full, full, {100, 100}, {120, 600}, plot, true), 8.5L, 13.5L, 10, 60); // exactly 1/20
    ExpectSpan(*ZoomIn(full, full, {0, 0}, {10, 500}, plot, true), 0, 5, 0, 50);             // shifted inside
    ExpectSpan(*ZoomIn(full, full, {500, 500}, {2000, 700}, plot, true), 50, 100, 50, 70);   // end clamped
    // y grows upwards without XOnTop.
    ExpectSpan(*ZoomIn(full, full, {100, 100}, {500, 300}, plot, false), 10, 50, 70, 90);
}

} // namespace
} // namespace quavis
