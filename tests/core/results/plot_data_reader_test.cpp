#include "results/plot_data_reader.h"

#include "graph/plot_window_handle.h"
#include "support/float_compare.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quavis {
namespace {

using test::TempDir;

TProgramData Project(int writeMatrix, int loadingType, int unitSystem = SI)
{
    TProgramData data;
    data.WriteMatrix = writeMatrix;
    data.LoadingType = loadingType;
    data.UnitSystem = unitSystem;
    return data;
}

// One stiffness and one damping line per record; every value encodes its record, quantity and kind
// (stiffness j*100+q, damping j*100+q+50) so a value read into the wrong place is visible.
std::string ImpedanceLines(int records, double omegaStep = 62.832)
{
    std::string text;
    for (int j = 1; j <= records; ++j) {
        const std::string omega = std::to_string(omegaStep * j);
        text += omega;
        for (int q = 1; q <= 8; ++q) text += " " + std::to_string(j * 100 + q);
        text += "\r\n" + std::to_string(omegaStep * j * 2);
        for (int q = 1; q <= 8; ++q) text += " " + std::to_string(j * 100 + q + 50);
        text += "\r\n";
    }
    return text;
}

// Response records: omega, then Dx Dy Dz Rx Ry Rz as j*1000+c.
std::string ResponseLines(int records)
{
    std::string text;
    for (int j = 1; j <= records; ++j) {
        text += std::to_string(62.832 * j);
        for (int c = 1; c <= 6; ++c) text += " " + std::to_string(j * 1000 + c);
        text += "\r\n";
    }
    return text;
}

TEST(PlotDataReader, HarmonicWithMatrixFillsEveryGraph)
{
    TResultGraphs g;
    const TProgramData data = Project(1, HarmonicLoading, SI);
    ASSERT_TRUE(ReadPlotDataText(g, data, "3\r\n" + ImpedanceLines(3) + ResponseLines(3)));

    for (TGraphPlot* graph : {&g.pltRealKXX, &g.pltRealKPPX, &g.pltDampCXX, &g.pltDampCPPX, &g.pltDxyzR, &g.pltMxyzR}) {
        EXPECT_EQ(graph->LineCount(), 3) << graph->Name;
        EXPECT_EQ(graph->CurvePointCount(), 3) << graph->Name;
        for (int c = 0; c < 3; ++c) EXPECT_EQ(graph->LineAt(c).PointCount(), 3) << graph->Name;
    }
    for (TGraphPlot* graph : g.ImpedanceGraphs()) {
        if (graph->LineCount() == 1) {
            EXPECT_EQ(graph->CurvePointCount(), 3) << graph->Name;
        }
    }
    for (TGraphPlot* graph : g.Graphs()) EXPECT_EQ(graph->Units(), SI) << graph->Name;

    // Record 2: stiffness omega 125.664 (20 Hz), damping omega 251.328 (40 Hz).
    EXPECT_NEAR_REL(g.pltRealKXX.PointAt(0, 1).X, 125.664L / 6.2832L, 1e-15L);
    EXPECT_NEAR_REL(g.pltRealKXX.PointAt(0, 1).X, 20.0L, 1e-15L);
    EXPECT_NEAR_REL(g.pltDampCXX.PointAt(0, 1).X, 40.0L, 1e-15L);
    EXPECT_EQ(g.pltRealKXX.PointAt(0, 1).Y, 201);
    EXPECT_EQ(g.pltRealKXX.PointAt(1, 1).Y, 202);
    EXPECT_EQ(g.pltRealKXX.PointAt(2, 1).Y, 203);
    EXPECT_EQ(g.pltRealKPPX.PointAt(0, 2).Y, 304);
    EXPECT_EQ(g.pltRealKPPX.PointAt(1, 2).Y, 305);
    EXPECT_EQ(g.pltRealKPPX.PointAt(2, 2).Y, 306);
    EXPECT_EQ(g.pltRealKXP.PointAt(0, 0).Y, 107);
    EXPECT_EQ(g.pltRealKYP.PointAt(0, 0).Y, 108);
    EXPECT_EQ(g.pltDampCXX.PointAt(2, 0).Y, 153);
    EXPECT_EQ(g.pltDampCPPX.PointAt(2, 1).Y, 256);
    EXPECT_EQ(g.pltDampCXP.PointAt(0, 2).Y, 357);
    EXPECT_EQ(g.pltDampCYP.PointAt(0, 2).Y, 358);
    // The merged curves are copies of the single graphs, x included.
    EXPECT_EQ(g.pltRealKXX.PointAt(2, 1).X, g.pltRealKWW.PointAt(0, 1).X);
    EXPECT_EQ(g.pltDampCPPX.PointAt(1, 2).Y, g.pltDampCPPY.PointAt(0, 2).Y);

    EXPECT_NEAR_REL(g.pltDxyzR.PointAt(0, 0).X, 10.0L, 1e-15L);
    EXPECT_EQ(g.pltDxyzR.PointAt(0, 2).Y, 3001);
    EXPECT_EQ(g.pltDxyzR.PointAt(2, 2).Y, 3003);
    EXPECT_EQ(g.pltMxyzR.PointAt(0, 1).Y, 2004);
    EXPECT_EQ(g.pltMxyzR.PointAt(2, 1).Y, 2006);
    EXPECT_EQ(g.pltMxyzR.PointAt(2, 1).X, g.pltDxyzR.PointAt(0, 1).X);

    auto names = [](const TGraphPlot& graph) {
        std::vector<std::string> out;
        for (int c = 0; c < graph.LineCount(); ++c) out.push_back(graph.LineAt(c).LegendName());
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(names(g.pltRealKXX), (V{"Kxx", "Kyy", "Kww"}));
    EXPECT_EQ(names(g.pltRealKPPX), (V{"Kppx", "Kppy", "Kzt"}));
    EXPECT_EQ(names(g.pltDampCXX), (V{"Cxx", "Cyy", "Cww"}));
    EXPECT_EQ(names(g.pltDampCPPX), (V{"Cppx", "Cppy", "Czt"}));
    EXPECT_EQ(names(g.pltDxyzR), (V{"X-Dir.", "Y-Dir.", "Z-Dir."}));
    EXPECT_EQ(names(g.pltMxyzR), (V{"About X-Dir.", "About Y-Dir.", "About Z-Dir"}));
    EXPECT_EQ(names(g.pltDampCWW), (V{"#1"}));
    EXPECT_EQ(names(g.pltRealKYY), (V{"Curve #1"}));
}

TEST(PlotDataReader, RecordLayoutAcrossLines)
{
    // A tenth number on the stiffness line is skipped; the damping record is split over two lines; in the
    // second record Kyp sits on the next line, whose rest (junk included) is skipped.
    const std::string text = "2\n"
                             "6.2832 1 2 3 4 5 6 7 8 99\n"
                             "12.5664 11 12 13 14\n"
                             "15 16 17 18\n"
                             "18.8496 21 22 23 24 25 26 27\n"
                             "28 junk 1e400x\n"
                             "25.1327 31 32 33 34 35 36 37 38\n"
                             "6.2832 41 42 43 44 45 46\n"
                             "12.5664 51 52\n53 54 55 56\n";
    TResultGraphs g;
    std::string detail;
    ASSERT_TRUE(ReadPlotDataText(g, Project(1, HarmonicLoading), text, false, {}, &detail)) << detail;
    EXPECT_EQ(g.pltRealKYP.PointAt(0, 0).Y, 8);
    EXPECT_EQ(g.pltDampCXX.PointAt(0, 0).Y, 11);
    EXPECT_NEAR_REL(g.pltDampCXX.PointAt(0, 0).X, 2.0L, 1e-15L);
    EXPECT_EQ(g.pltDampCYP.PointAt(0, 0).Y, 18);
    EXPECT_EQ(g.pltRealKYP.PointAt(0, 1).Y, 28);
    EXPECT_NEAR_REL(g.pltDampCXX.PointAt(0, 1).X, 25.1327L / 6.2832L, 1e-15L);
    EXPECT_EQ(g.pltDampCYP.PointAt(0, 1).Y, 38);
    EXPECT_EQ(g.pltMxyzR.PointAt(2, 0).Y, 46);
    EXPECT_EQ(g.pltDxyzR.PointAt(0, 1).Y, 51);
    EXPECT_EQ(g.pltMxyzR.PointAt(2, 1).Y, 56);
}

// A first read of three curves and points, so that later reads show what they keep.
void FillEarlier(TResultGraphs& g)
{
    ASSERT_TRUE(ReadPlotDataText(g, Project(1, HarmonicLoading, English), "3\n" + ImpedanceLines(3) + ResponseLines(3)));
}

TEST(PlotDataReader, FewerThanTwoPointsReadsNoRecord)
{
    for (int n : {0, 1}) {
        TResultGraphs g;
        FillEarlier(g);
        // Anything after N is not looked at.
        ASSERT_TRUE(ReadPlotDataText(g, Project(1, HarmonicLoading, SI), std::to_string(n) + "\nnot a number\n")) << n;
        EXPECT_EQ(g.pltRealKXX.LineCount(), 1);
        EXPECT_EQ(g.pltRealKXX.CurvePointCount(), n);
        EXPECT_EQ(g.pltDampCPPX.LineCount(), 1);
        EXPECT_EQ(g.pltDampCPPX.CurvePointCount(), 3) << "only pltRealKXX is resized";
        EXPECT_EQ(g.pltDxyzR.LineCount(), 3);
        EXPECT_EQ(g.pltDxyzR.CurvePointCount(), 3);
        EXPECT_EQ(g.pltDxyzR.PointAt(1, 2).Y, 3002) << "earlier values stay";
        for (TGraphPlot* graph : g.Graphs()) EXPECT_EQ(graph->Units(), SI);
        if (n == 1) {
            EXPECT_EQ(g.pltRealKXX.PointAt(0, 0).Y, 101);
        }
    }
}

TEST(PlotDataReader, WithoutMatrixOnlyResponseIsRead)
{
    TResultGraphs g;
    FillEarlier(g);
    ASSERT_TRUE(ReadPlotDataText(g, Project(0, HarmonicLoading), "2\n" + ResponseLines(2)));
    EXPECT_EQ(g.pltDxyzR.CurvePointCount(), 2);
    EXPECT_EQ(g.pltDxyzR.PointAt(0, 1).Y, 2001);
    EXPECT_EQ(g.pltMxyzR.PointAt(2, 1).Y, 2006);
    // The impedance graphs keep one curve and the earlier points that remain.
    EXPECT_EQ(g.pltRealKXX.LineCount(), 1);
    EXPECT_EQ(g.pltRealKXX.CurvePointCount(), 2);
    EXPECT_EQ(g.pltRealKXX.PointAt(0, 1).Y, 201);
    EXPECT_EQ(g.pltDampCYP.CurvePointCount(), 3);
    EXPECT_EQ(g.pltDampCYP.PointAt(0, 2).Y, 358);
}

TEST(PlotDataReader, TransientAndRandomReadOnlyTheImpedances)
{
    for (int loading : {TransientLoading, RandomLoading}) {
        TResultGraphs g;
        FillEarlier(g);
        // The response records that follow would be read as wrong values if the section were read.
        ASSERT_TRUE(ReadPlotDataText(g, Project(1, loading), "4\n" + ImpedanceLines(4) + "x y z\n")) << loading;
        EXPECT_EQ(g.pltRealKXX.LineCount(), 3);
        EXPECT_EQ(g.pltRealKXX.PointAt(1, 3).Y, 402);
        EXPECT_EQ(g.pltDxyzR.LineCount(), 3);
        EXPECT_EQ(g.pltDxyzR.CurvePointCount(), 4);
        EXPECT_EQ(g.pltDxyzR.PointAt(0, 2).Y, 3001) << "earlier value kept";
        EXPECT_EQ(g.pltDxyzR.PointAt(0, 3).Y, 0) << "new point";
    }
}

TEST(PlotDataReader, FailedReadsReturnFalseAndKeepWhatWasWritten)
{
    struct Case {
        const char* name;
        int writeMatrix;
        int loading;
        std::string text;
    };
    const std::string full = ImpedanceLines(2);
    const std::string response = ResponseLines(2);
    const std::vector<Case> cases = {
        {"missing fifth number of the last response record", 1, HarmonicLoading,
         "2\n" + full + response.substr(0, response.rfind(" 2005"))},
        {"junk word", 1, HarmonicLoading, "2\n6.2832 1 2 x\n"},
        {"blank line where a number is due", 1, HarmonicLoading, "2\n\n" + full + response},
        {"blank line inside a record", 1, HarmonicLoading, "2\n6.2832 1 2 3 4\n\n5 6 7 8\n"},
        {"truncated stiffness record", 1, HarmonicLoading, "2\n6.2832 1 2 3"},
        {"non-integral count", 1, HarmonicLoading, "2.5\n" + full + response},
        {"count beyond 32 bits", 1, HarmonicLoading, "4294967296\n" + full + response},
        {"empty file", 1, HarmonicLoading, ""},
        {"huge count, harmonic", 1, HarmonicLoading, "2147483647\n" + full + response},
        {"huge count, response only", 0, HarmonicLoading, "2147483647\n" + response},
        {"huge count, no section to read", 0, TransientLoading, "2147483647\n"},
        {"binary junk", 1, HarmonicLoading, std::string("2\n\x01\xff\x00\x7f 1", 8)},
    };
    for (const Case& c : cases) {
        TResultGraphs g;
        std::vector<std::string> shown;
        std::string detail;
        const bool ok = ReadPlotDataText(g, Project(c.writeMatrix, c.loading, SI), c.text, true,
                                         [&shown](const std::string& m) { shown.push_back(m); }, &detail);
        EXPECT_FALSE(ok) << c.name;
        EXPECT_EQ(shown, std::vector<std::string>{"An error occured in running the main program."}) << c.name;
        EXPECT_FALSE(detail.empty()) << c.name;
        // No read got as far as the names and the units.
        EXPECT_EQ(g.pltDxyzR.LineCount(), 3) << c.name;
        EXPECT_EQ(g.pltDxyzR.LineAt(0).LegendName(), "Curve #1") << c.name;
        EXPECT_EQ(g.pltRealKXX.Units(), 1) << c.name;
        EXPECT_LT(g.pltRealKXX.CurvePointCount(), 3) << c.name;
    }
}

TEST(PlotDataReader, CountsBeyondTheUnbackedLimitNeedTheirRecords)
{
    // With nothing to read after the count, a count up to the limit is taken as it is, one more is not.
    TResultGraphs g;
    const TProgramData data = Project(0, TransientLoading);
    EXPECT_TRUE(ReadPlotDataText(g, data, std::to_string(PlotDataMaxUnbackedPoints)));
    EXPECT_EQ(g.pltDxyzR.CurvePointCount(), PlotDataMaxUnbackedPoints);
    std::string detail;
    EXPECT_FALSE(ReadPlotDataText(g, data, std::to_string(PlotDataMaxUnbackedPoints + 1), false, {}, &detail));
    EXPECT_EQ(detail, "This file either invalid or incomplete.");
    EXPECT_EQ(g.pltRealKXX.CurvePointCount(), PlotDataMaxUnbackedPoints) << "nothing resized";
}

TEST(PlotDataReader, FailureMessagesAndPartialContent)
{
    TResultGraphs g;
    std::string detail;
    const std::string response = ResponseLines(2);
    const std::string text = "2\n" + ImpedanceLines(2) + response.substr(0, response.rfind(" 2005"));
    EXPECT_FALSE(ReadPlotDataText(g, Project(1, HarmonicLoading, SI), text, false,
                                  [](const std::string&) { ADD_FAILURE() << "no report was asked for"; }, &detail));
    EXPECT_EQ(detail, "This file either invalid or incomplete.");
    // The impedances were complete and merged; the response values before the end stay.
    EXPECT_EQ(g.pltRealKXX.LineCount(), 3);
    EXPECT_EQ(g.pltRealKXX.LineAt(0).ExplicitName, "Kxx");
    EXPECT_EQ(g.pltDxyzR.PointAt(2, 1).Y, 2003);
    EXPECT_EQ(g.pltMxyzR.PointAt(0, 1).Y, 2004);
    EXPECT_EQ(g.pltDxyzR.LineAt(0).ExplicitName, "");
    for (TGraphPlot* graph : g.Graphs()) EXPECT_EQ(graph->Units(), 1);

    EXPECT_FALSE(ReadPlotDataText(g, Project(1, HarmonicLoading), "2\n6.2832 1 2 abc\n", false, {}, &detail));
    EXPECT_EQ(detail, "Error on Line 2 Item 4\rA floating point number was expected but not found.");
    EXPECT_EQ(g.pltRealKYY.PointAt(0, 0).Y, 2);

    TempDir dir;
    EXPECT_FALSE(ReadPlotData(g, Project(1, HarmonicLoading), dir / "missing.vqp", false, {}, &detail));
    EXPECT_FALSE(detail.empty());
}

TEST(PlotDataReader, ReadsAFileAndAProjectsCompanion)
{
    TempDir dir;
    TResultGraphs g;
    TProgramData data = Project(1, HarmonicLoading, English);
    data.FileName = (dir / "job.1.vqd").string();

    EXPECT_FALSE(LoadProjectResults(g, data));
    EXPECT_FALSE(g.ResultsLoaded);
    g.ResultsLoaded = true;
    EXPECT_FALSE(LoadProjectResults(g, data)) << "no file: the flag keeps its value";
    EXPECT_TRUE(g.ResultsLoaded);

    dir.Write("job.1.vqp", "2\r\n" + ImpedanceLines(2) + ResponseLines(2));
    g.ResultsLoaded = false;
    EXPECT_TRUE(LoadProjectResults(g, data));
    EXPECT_TRUE(g.ResultsLoaded);
    EXPECT_EQ(g.pltMxyzR.PointAt(2, 1).Y, 2006);
    EXPECT_EQ(g.pltMxyzR.Units(), English);

    dir.Write("job.1.vqp", "2\r\n1 2\r\n");
    EXPECT_TRUE(LoadProjectResults(g, data));
    EXPECT_FALSE(g.ResultsLoaded);
}

TEST(PlotDataReader, CompanionFileName)
{
    EXPECT_EQ(PlotDataFileName("/data/job.vqd"), "/data/job.vqp");
    EXPECT_EQ(PlotDataFileName("/data/a.b.vqd"), "/data/a.b.vqp");
    EXPECT_EQ(PlotDataFileName("/data.d/job"), "/data.d/job.vqp");
    EXPECT_EQ(PlotDataFileName("NewData.vqd"), "NewData.vqp");
}

// A plot window that, like the real one, looks at its graph when told of a change.
class TRecordingWindow : public TPlotWindowHandle {
public:
    explicit TRecordingWindow(TGraphPlot& graph) : m_graph(graph) {}
    void Show() override {}
    void GraphChanged() override
    {
        lineCounts.push_back(m_graph.LineCount());
        // Addresses only what exists now.
        for (int c = 0; c < m_graph.LineCount(); ++c) (void)m_graph.LineAt(c).LegendName();
    }
    std::vector<int> lineCounts;

private:
    TGraphPlot& m_graph;
};

TEST(PlotDataReader, OpenWindowsLearnOfChangedCurves)
{
    TResultGraphs g;
    FillEarlier(g);
    TRecordingWindow* window = nullptr;
    g.pltRealKXX.PlotWindowFactory = [&window](TGraphPlot& graph) {
        auto w = std::make_unique<TRecordingWindow>(graph);
        window = w.get();
        return w;
    };
    g.pltRealKXX.ShowPlot();
    ASSERT_NE(window, nullptr);

    // The matrix switched off: three curves become one.
    ASSERT_TRUE(ReadPlotDataText(g, Project(0, HarmonicLoading), "2\n" + ResponseLines(2)));
    // A failed read changes the curve count too and must be told as well.
    FillEarlier(g);
    EXPECT_FALSE(ReadPlotDataText(g, Project(1, HarmonicLoading), "2\n1 2 3"));
    EXPECT_EQ(window->lineCounts, (std::vector<int>{1, 3, 1}));
}

} // namespace
} // namespace quavis
