// Reading and writing a large pile project: 200 piles (battered) and 200 pile sections with their soil rows.
#include "components/grid_table.h"
#include "model/project.h"
#include "model/project_reader.h"
#include "model/project_writer.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using namespace quavis;

void FillPileProject(TProject& p)
{
    TProgramData& d = p.ProgramData();
    d.FoundationKeyword = PileKeyword;
    d.FoundationType = PileFoundation;
    d.LengthX = 40;
    d.WidthY = 30;
    d.PileLength = 25;
    p.PileData.SetRowCount(200);
    p.D.SetRowCount(200);
    for (int row = 0; row < 200; ++row) {
        for (int col = 0; col < 7; ++col) p.PileData.Cell(col, row).SetFloat(0.125L * (row + 1) + col / 3.0L);
        for (int col = 0; col < 5; ++col) p.D.Cell(col, row).SetFloat(100 + row + col * 0.01L);
    }
    p.Pilecoord.SetRowCount(200);
    for (int row = 0; row < 200; ++row) {
        p.Pilecoord.Cell(0, row).SetFloat((row % 20) * 1.5L);
        p.Pilecoord.Cell(1, row).SetFloat((row / 20) * 1.5L);
        p.Pilecoord.Cell(2, row).SetFloat(row % 4 == 0 ? 10 : 0);
        p.Pilecoord.Cell(3, row).SetInteger(row % 2 + 1);
    }
    p.pilecapsoil.SetRowCount(3);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 6; ++col) p.pilecapsoil.Cell(col, row).SetFloat(1 + row + col * 0.5L);
}

void BM_ComposePileProjectFiles(benchmark::State& state)
{
    TProject p;
    FillPileProject(p);
    for (auto _ : state) {
        std::string project = ComposeProjectFile(p);
        std::string geometry = ComposeGeometryFile(p);
        benchmark::DoNotOptimize(project);
        benchmark::DoNotOptimize(geometry);
    }
}
BENCHMARK(BM_ComposePileProjectFiles)->Unit(benchmark::kMillisecond);

void BM_ReadPileProject(benchmark::State& state)
{
    TProject source;
    FillPileProject(source);
    const std::string text = ComposeProjectFile(source);
    TProject p;
    for (auto _ : state) {
        std::string message = ReadProjectText(p, text, "bench.vqd");
        benchmark::DoNotOptimize(message);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadPileProject)->Unit(benchmark::kMillisecond);

// Save and open through the disk, as the desktop does.
void BM_SaveAndOpenPileProject(benchmark::State& state)
{
    const auto dir = std::filesystem::temp_directory_path() / ("quavis-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    TProject p;
    FillPileProject(p);
    p.ProgramData().FileName = (dir / "bench.vqd").string();
    TProject back;
    for (auto _ : state) {
        p.Save();
        std::string message = ReadProjectFile(back, p.ProgramData().FileName);
        benchmark::DoNotOptimize(message);
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SaveAndOpenPileProject)->Unit(benchmark::kMillisecond);

} // namespace
