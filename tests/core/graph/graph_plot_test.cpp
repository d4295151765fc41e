#include "components/errors.h"
#include "graph/curve_palette.h"
#include "components/float_format.h"
#include "graph/graph_plot.h"
#include "graph/graph_unit_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace quavis {
namespace {

void FillPoints(TLine& line)
{
    for (int j = 0; j < line.PointCount(); ++j) line.PointAt(j) = {j + 1.0L, 10.0L * (j + 1)};
}

TEST(TGraphPlot, NewGraphHasTheStoredDefaults)
{
    const TGraphPlot g;
    EXPECT_EQ(g.CurveName, "Curve #");
    EXPECT_TRUE(g.XOnTop);
    EXPECT_TRUE(g.ShowLegend);
    EXPECT_TRUE(g.ShowFontWidth);
    EXPECT_EQ(g.Markers, 1);
    EXPECT_EQ(g.SizeFont, 10);
    EXPECT_EQ(g.LegendFont, 11);
    EXPECT_EQ(g.WidthLine, 1);
    EXPECT_EQ(g.Units(), 1);
    EXPECT_TRUE(g.LimitActiveCurves());
    EXPECT_FALSE(g.TitleOnTop);
    EXPECT_EQ(g.LineCount(), 0);
    EXPECT_EQ(g.CurvePointCount(), 0);
}

TEST(TGraphPlot, GrowingKeepsTheFirstCurveAndAddsNumberedZeroCurves)
{
    TGraphPlot g;
    g.SetLineCount(1);
    g.SetPointCount(4);
    FillPoints(g.LineAt(0));
    g.SetLineCount(3);
    ASSERT_EQ(g.LineCount(), 3);
    EXPECT_EQ(g.PointAt(0, 3).Y, 40.0L);
    for (int i = 1; i < 3; ++i) {
        const TLine& line = g.LineAt(i);
        EXPECT_EQ(line.CurveNumber(), i + 1.0L);
        ASSERT_EQ(line.PointCount(), 4);
        for (const TFloatPoint& p : line.CurvePoints()) {
            EXPECT_EQ(p.X, 0.0L);
            EXPECT_EQ(p.Y, 0.0L);
        }
        EXPECT_TRUE(line.Shown);
        EXPECT_TRUE(line.Active);
        EXPECT_TRUE(line.ExplicitName.empty());
        EXPECT_EQ(&line.OwnerGraph(), &g);
    }
}

TEST(TGraphPlot, ShrinkingDestroysTheLastCurvesAndKeepsTheFirstPoints)
{
    TGraphPlot g;
    g.SetLineCount(3);
    g.SetPointCount(2);
    FillPoints(g.LineAt(0));
    g.LineAt(0).ExplicitName = "Kxx";
    g.SetLineCount(1);
    ASSERT_EQ(g.LineCount(), 1);
    EXPECT_EQ(g.LineAt(0).ExplicitName, "Kxx");
    EXPECT_EQ(g.PointAt(0, 1).X, 2.0L);
    g.SetLineCount(-4);
    EXPECT_EQ(g.LineCount(), 0);
    EXPECT_EQ(g.CurvePointCount(), 0);
}

TEST(TGraphPlot, PointCountAppliesToEveryCurveAndKeepsLeadingPoints)
{
    TGraphPlot g;
    g.SetLineCount(2);
    g.SetPointCount(5);
    FillPoints(g.LineAt(0));
    FillPoints(g.LineAt(1));
    g.SetPointCount(3);
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(g.LineAt(i).PointCount(), 3);
        EXPECT_EQ(g.PointAt(i, 2).Y, 30.0L);
    }
    g.SetPointCount(6);
    EXPECT_EQ(g.PointAt(1, 2).Y, 30.0L);
    EXPECT_EQ(g.PointAt(1, 5).Y, 0.0L);
    g.SetPointCount(-1);
    EXPECT_EQ(g.CurvePointCount(), 0);
    EXPECT_EQ(g.LineAt(1).PointCount(), 0);

    g.LineAt(1).SetPointCount(2); // one curve alone, as a caller resizing curve by curve does
    EXPECT_EQ(g.CurvePointCount(), 0);
    EXPECT_EQ(g.LineAt(1).PointCount(), 2);
}

TEST(TGraphPlot, AddressingOutsideTheCountsIsAListError)
{
    TGraphPlot g;
    g.SetLineCount(2);
    g.SetPointCount(3);
    EXPECT_THROW(g.LineAt(2), EListError);
    EXPECT_THROW(g.LineAt(-1), EListError);
    EXPECT_THROW(g.PointAt(0, 3), EListError);
    EXPECT_THROW(g.PointAt(1, -1), EListError);
    try {
        g.LineAt(5);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (5)");
    }
}

TEST(TGraphPlot, LegendNameIsTheExplicitNameOrCurveNamePlusNumber)
{
    TGraphPlot g;
    g.SetLineCount(3);
    EXPECT_EQ(g.LineAt(0).LegendName(), "Curve #1");
    EXPECT_EQ(g.LineAt(2).LegendName(), "Curve #3");
    g.LineAt(1).ExplicitName = "Kyy";
    EXPECT_EQ(g.LineAt(1).LegendName(), "Kyy");
    g.CurveName = "#";
    EXPECT_EQ(g.LineAt(0).LegendName(), "#1");

    // The number is fixed when the curve is created: the count at that moment plus one.
    g.SetLineCount(1);
    g.SetLineCount(2);
    EXPECT_EQ(g.LineAt(1).LegendName(), "#2");
}

TEST(TGraphPlot, UnitsAreClampedIntoOneToThree)
{
    const std::pair<int, int> cases[] = {{0, 1}, {7, 3}, {2, 2}, {-5, 1}, {3, 3}, {1, 1}};
    TGraphPlot g;
    for (const auto& [set, stored] : cases) {
        g.SetUnits(set);
        EXPECT_EQ(g.Units(), stored) << "set " << set;
    }
}

TEST(TGraphPlot, StructureStampMovesOnlyWhenCountsChange)
{
    TGraphPlot g;
    const auto s0 = g.StructureStamp();
    g.SetLineCount(0);
    EXPECT_EQ(g.StructureStamp(), s0);
    g.SetLineCount(2);
    const auto s1 = g.StructureStamp();
    EXPECT_NE(s1, s0);
    g.SetPointCount(0);
    EXPECT_EQ(g.StructureStamp(), s1);
    g.SetPointCount(3);
    const auto s2 = g.StructureStamp();
    EXPECT_NE(s2, s1);
    g.PointAt(0, 0) = {1, 1};
    EXPECT_EQ(g.StructureStamp(), s2);
    g.LineAt(1).SetPointCount(1);
    EXPECT_NE(g.StructureStamp(), s2);
}

struct FakeWindow : TPlotWindowHandle {
    int* shows;
    int* changes;
    bool* destroyed;
    FakeWindow(int* s, int* c, bool* d) : shows(s), changes(c), destroyed(d) {}
    ~FakeWindow() override { *destroyed = true; }
    void Show() override { ++*shows; }
    void GraphChanged() override { ++*changes; }
};

TEST(TGraphPlot, ShowPlotCreatesTheWindowOnceAndTheGraphOwnsIt)
{
    int created = 0, shows = 0, changes = 0;
    bool destroyed = false;
    {
        TGraphPlot g;
        g.ShowPlot(); // headless: nothing to create
        EXPECT_EQ(g.PlotWindow(), nullptr);
        g.PlotWindowFactory = [&](TGraphPlot&) {
            ++created;
            return std::make_unique<FakeWindow>(&shows, &changes, &destroyed);
        };
        g.ShowPlot();
        g.ShowPlot();
        EXPECT_EQ(created, 1);
        EXPECT_EQ(shows, 2);
        g.NotifyCurvesChanged();
        EXPECT_EQ(changes, 1);

        // Closing: the graph forgets the window; the next ShowPlot builds a new one.
        auto closed = g.ReleasePlotWindow();
        EXPECT_EQ(g.PlotWindow(), nullptr);
        EXPECT_FALSE(destroyed);
        closed.reset();
        EXPECT_TRUE(destroyed);
        destroyed = false;
        g.ShowPlot();
        EXPECT_EQ(created, 2);
        EXPECT_NE(g.PlotWindow(), nullptr);
    }
    EXPECT_TRUE(destroyed); // destroying the graph destroyed its window
}

TEST(GraphUnitText, ReplacesOneForceAndOneLengthCode)
{
    struct Case {
        const char* units;
        int system;
        const char* expected;
    };
    const Case cases[] = {
        {"F/L2", 1, "lbs/ft"},
        {"F/L2", 2, "kN/m"},
        {"F-L2-sec/radian2", 1, "lbs-ft-sec/radian2"},
        {"F-sec/L2-radian", 2, "kN-sec/m-radian"},
        {"F-L2/radian", 1, "lbs-ft/radian"},
        {"F-L2-sec/radian2", 2, "kN-m-sec/radian2"},
        {"rad.", 1, "rad."},
        {"F/L2", 3, "F/L2"},
        {"L2", 2, "m"},
        {"Hz", 1, "Hz"},
        {"F1/F", 1, "kips/F"},     // only the most specific force code
        {"F2-L1/L", 1, "tons-in/L"},
        {"L1^4", 2, "mm^4"},
        {"L2-L2", 1, "ft-ft"},     // every occurrence of the chosen code
        {"F/L^3", 2, "kN/m^3"},
        {"", 1, ""},
        {"F/L2", 0, "F/L2"},
    };
    for (const Case& c : cases) EXPECT_EQ(GraphUnitText(c.units, c.system), c.expected) << c.units << " " << c.system;
}

TEST(CurvePalette, SeventeenColoursRepeating)
{
    EXPECT_EQ(kCurvePalette.size(), 17u);
    EXPECT_EQ(CurvePalette(0), (TColorRGB{0, 0, 0}));
    EXPECT_EQ(CurvePalette(1), (TColorRGB{0, 0, 255}));
    EXPECT_EQ(CurvePalette(2), (TColorRGB{255, 0, 0}));
    EXPECT_EQ(CurvePalette(12), (TColorRGB{128, 128, 128}));
    EXPECT_EQ(CurvePalette(14), (TColorRGB{192, 192, 192}));
    EXPECT_EQ(CurvePalette(16), (TColorRGB{0, 255, 255}));
    EXPECT_EQ(CurvePalette(17), CurvePalette(0));
    EXPECT_EQ(CurvePalette(35), CurvePalette(1));
}

TEST(FormatGeneral, SignificantDigitsAndNotation)
{
    struct Case {
        long double value;
        int precision;
        const char* expected;
    };
    const Case cases[] = {
        {1.0L, 15, "1"},
        {2.0L, 15, "2"},
        {0.5L, 4, "0.5"},
        {-3.75L, 4, "-3.75"},
        {50.0L, 4, "50"},
        {1234.0L, 4, "1234"},
        {12346.0L, 4, "1.235E4"},
        {0.0001L, 4, "0.0001"},
        {0.00009L, 4, "9E-5"},
        {1e20L, 15, "1E20"},
        {0.6000000000000001L, 4, "0.6"},
        {123456.7L, 5, "1.2346E5"},
        {9.99996L, 5, "10"},
        {-0.0L, 4, "0"},
        {0.0L, 5, "0"},
        {2500.0L, 5, "2500"},
        {std::numeric_limits<long double>::quiet_NaN(), 5, "NAN"},
        {-std::numeric_limits<long double>::infinity(), 5, "-INF"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatGeneral(c.value, c.precision), c.expected);
}

} // namespace
} // namespace quavis
