#include "numerics/footing_analysis.h"

#include <benchmark/benchmark.h>

#ifdef QUAVIS_ENGINE_LIBRARY_PATH
#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#endif

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

#ifdef QUAVIS_ENGINE_LIBRARY_PATH
// The whole run as the program makes it: the same footing as a project file, the engine library loaded,
// called, unloaded, its three files written (the output text holds all 10 000 rows of each table).
void WriteLines(const std::filesystem::path& path, const std::string& lines)
{
    std::ofstream(path, std::ios::binary) << lines;
}

void BM_EmbeddedRectangleWholeEngineRun(benchmark::State& state)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("quavis-bench-engine-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path project = folder / "block.vqd";
    std::string layers;
    for (int i = 0; i < 5; ++i) {
        char row[160];
        const double beta = 0.05, ratio = i < 2 ? 0.4 : 1.0;
        std::snprintf(row, sizeof row, "%d 0.6 %g %g %g %g %g %g %g %d\r\n", i + 1, 140.0 + 20.0 * i, 17.0 + 0.3 * i,
                      0.3 + 0.01 * i, beta, ratio, 0.3 + 0.01 * i, 2.0 * beta, ratio < 0.999999 ? 1 : 0);
        layers += row;
    }
    WriteLines(project, "TITLE=Benchmark block\r\nMATRIX\r\nGRAVITY=9.8\r\nFOUNDATION=HALF-SPACE\r\n"
                        "RECTANGULAR=8,5\r\nMASS \r\n240 900 1500 2100 5 0 0\r\nCONSTANTS \r\n0 0 1.4 \r\n"
                        "SOIL \r\nWEAK \r\nCONSTANTS=5\r\n" + layers +
                        "BELOW=300 19.5 0.35 0.04\r\nLOAD \r\nHARMONIC \r\nCONSTANTS \r\nNONQUADRATIC \r\n"
                        "1000 0.1 0.1 \r\n20 0 40 \r\n0 15 0 \r\n0.5 0 -1 \r\nRUN \r\n0\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n");
    const std::string base = (folder / "block").string();
    WriteLines(folder / "names.dat", "3.0.6\r\n" + project.string() + "\r\n" + base + ".vqo\r\n" + base + ".vqp\r\n" +
                                         base + ".vqr\r\n" + base + ".vqt\r\n" + base + ".vqt\r\n");
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    for (auto _ : state) {
        void* library = ::dlopen(QUAVIS_ENGINE_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        const auto entry = library ? reinterpret_cast<void (*)(std::int32_t)>(::dlsym(library, "_IQUAVIS")) : nullptr;
        if (!entry) {
            state.SkipWithError("the engine library cannot be loaded");
            break;
        }
        entry(13);
        ::dlclose(library);
        if (!fs::exists(base + ".vqp"))
            state.SkipWithError("the engine wrote no plot-data file");
    }
    fs::current_path(previous);
    fs::remove_all(folder);
}
BENCHMARK(BM_EmbeddedRectangleWholeEngineRun)->Unit(benchmark::kMillisecond);
#endif

} // namespace
