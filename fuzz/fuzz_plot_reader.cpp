// Plot-data files of any content: the read must end in true or false, never crash or throw, and leave
// graphs whose curves agree in length, which the amplitude window then reads.
#include "results/amplitudes.h"
#include "results/plot_data_reader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace quavis;

namespace {

void CheckCurves(const TGraphPlot& graph)
{
    for (int c = 0; c < graph.LineCount(); ++c)
        if (graph.LineAt(c).PointCount() != graph.CurvePointCount()) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    // The first byte picks the project settings that steer the read; the rest is the file.
    TProgramData project;
    project.WriteMatrix = data[0] & 1;
    project.LoadingType = 1 + (data[0] >> 1) % 3;
    project.UnitSystem = 1 + ((data[0] >> 3) & 1);
    project.CgLocalY = 1.5L;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    TResultGraphs graphs;
    // Twice, so that the second read meets what the first one left.
    for (int pass = 0; pass < 2; ++pass) {
        std::string detail;
        const bool ok = ReadPlotDataText(graphs, project, text, true, [](const std::string&) {}, &detail);
        if (!ok && detail.empty()) __builtin_trap();
        for (const TGraphPlot* graph : graphs.Graphs()) CheckCurves(*graph);
        if (graphs.pltDxyzR.LineCount() != 3 || graphs.pltMxyzR.LineCount() != 3) __builtin_trap();
    }

    TAmplitudeSelection selection;
    selection.Point = {0, 2, 0};
    selection.Shown = 3 - project.UnitSystem;
    const TAmplitudeChart chart = RecomputeAmplitudes(project, graphs.pltDxyzR, graphs.pltMxyzR, selection);
    const std::string exported = AmplitudeExportText(selection, chart);
    if (!chart.Samples.empty()) (void)AmplitudePointReport(chart, 1, static_cast<int>(chart.Samples.size()) - 1);
    return exported.empty() ? 1 : 0;
}
