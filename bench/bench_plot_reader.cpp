#include "results/amplitudes.h"
#include "results/plot_data_reader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

// A plot-data file as the engine writes it for a harmonic analysis with the stiffness matrix.
std::string PlotDataFile(int points)
{
    std::string text = std::to_string(points) + "\r\n";
    char line[512];
    for (int j = 1; j <= points; ++j) {
        const double omega = 0.5 * j;
        for (int kind = 0; kind < 2; ++kind) {
            int n = std::snprintf(line, sizeof line, "%15.7E", omega);
            for (int q = 1; q <= 8; ++q)
                n += std::snprintf(line + n, sizeof line - static_cast<std::size_t>(n), " %15.7E",
                                   1.0e6 * q / (1.0 + 0.001 * j) + kind);
            text.append(line, static_cast<std::size_t>(n));
            text += "\r\n";
        }
    }
    for (int j = 1; j <= points; ++j) {
        int n = std::snprintf(line, sizeof line, "%15.7E", 0.5 * j);
        for (int c = 1; c <= 6; ++c)
            n += std::snprintf(line + n, sizeof line - static_cast<std::size_t>(n), " %15.7E", 1.0e-4 * c / j);
        text.append(line, static_cast<std::size_t>(n));
        text += "\r\n";
    }
    return text;
}

void BM_ReadPlotData20000(benchmark::State& state)
{
    const std::string file = PlotDataFile(20000);
    quavis::TProgramData project;
    quavis::TResultGraphs graphs;
    for (auto _ : state) {
        if (!quavis::ReadPlotDataText(graphs, project, file)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(graphs.pltDxyzR.PointAt(2, 19999).Y);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_ReadPlotData20000)->Unit(benchmark::kMillisecond);

void BM_RecomputeAmplitudes20000(benchmark::State& state)
{
    quavis::TProgramData project;
    quavis::TResultGraphs graphs;
    if (!quavis::ReadPlotDataText(graphs, project, PlotDataFile(20000))) {
        state.SkipWithError("read failed");
        return;
    }
    quavis::TAmplitudeSelection selection;
    selection.Point = {1, 2, 3};
    for (auto _ : state) {
        auto chart = quavis::RecomputeAmplitudes(project, graphs.pltDxyzR, graphs.pltMxyzR, selection);
        benchmark::DoNotOptimize(chart.Series[2].Points.back().Y);
    }
}
BENCHMARK(BM_RecomputeAmplitudes20000)->Unit(benchmark::kMillisecond);

} // namespace
