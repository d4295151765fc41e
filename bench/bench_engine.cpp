#include "numerics/footing_analysis.h"

#include <benchmark/benchmark.h>

using namespace quavis::numerics;

namespace {

// A rectangular machine block embedded 3 m deep in five side layers with weak zones, 10 000 frequencies.
FootingProblem EmbeddedRectangleFiveLayers(bool response)
{
    FootingProblem p;
    p.foundation = FootingFoundation::HalfSpace;
    p.geometry.circular = false;
    p.geometry.lengthX = 8.0;
    p.geometry.widthY = 5.0;
    p.below = {300.0, 19.5, 0.35, 0.04};
    for (int i = 0; i < 5; ++i) {
        SideLayerInput l;
        l.thickness = 0.6;
        l.soil = {140.0 + 20.0 * i, 17.0 + 0.3 * i, 0.3 + 0.01 * i, 0.05};
        l.weakZoneRatio = i < 2 ? 0.4 : 1.0;
        l.weakZoneDamping = 0.1;
        p.sideLayers.push_back(l);
    }
    p.mass = {240.0, 900.0, 1500.0, 2100.0, 5.0, 0.0, 0.0};
    p.baseOffset = {0.0, 0.0, 1.4};
    p.load.force = {20.0, 0.0, 40.0};
    p.load.moment = {0.0, 15.0, 0.0};
    p.load.point = {0.5, 0.0, -1.0};
    p.frequencies = {0.1, 1000.0, 0.1};
    p.computeResponse = response;
    return p;
}

void BM_EmbeddedRectangleImpedancesAndResponse(benchmark::State& state)
{
    const FootingProblem p = EmbeddedRectangleFiveLayers(true);
    for (auto _ : state) {
        FootingResult r = RunFootingAnalysis(p);
        if (r.omegas.size() != 10000 || !r.Succeeded())
            state.SkipWithError("unexpected result");
        benchmark::DoNotOptimize(r.amplitudes.data());
    }
}
BENCHMARK(BM_EmbeddedRectangleImpedancesAndResponse)->Unit(benchmark::kMillisecond);

void BM_EmbeddedRectangleImpedancesOnly(benchmark::State& state)
{
    const FootingProblem p = EmbeddedRectangleFiveLayers(false);
    for (auto _ : state) {
        FootingResult r = RunFootingAnalysis(p);
        benchmark::DoNotOptimize(r.impedances.data());
    }
}
BENCHMARK(BM_EmbeddedRectangleImpedancesOnly)->Unit(benchmark::kMillisecond);

} // namespace
