#include "components/grid_table.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace quavis;

// A soil-like table: top-depth pair, four floats with units, one pick list.
void DefineColumns(TGridTable& table)
{
    const char* units[] = {"L2", "L2", "L2/F5", "F/L2^3", "", ""};
    for (int i = 0; i < 6; ++i) {
        auto& column = static_cast<TFloatColumn&>(table.AddColumn(std::make_unique<TFloatColumn>(table)));
        column.SetHeaders({"Column", std::to_string(i)});
        column.SetColumnUnits(units[i]);
        column.SetTopDepth(i == 0);
    }
    auto& pick = static_cast<TEnumColumn&>(table.AddColumn(std::make_unique<TEnumColumn>(table)));
    pick.SetItems({"a", "b", "c"});
}

void BM_GridSetRowCount200(benchmark::State& state)
{
    TGridTable table;
    DefineColumns(table);
    for (auto _ : state) {
        table.SetRowCount(0);
        table.SetRowCount(200);
        benchmark::DoNotOptimize(table.RowCount());
    }
}
BENCHMARK(BM_GridSetRowCount200);

void BM_GridReadEveryCell200x7(benchmark::State& state)
{
    TGridTable table;
    DefineColumns(table);
    table.SetRowCount(200);
    for (int r = 0; r < 200; ++r)
        for (int c = 0; c < 6; ++c) static_cast<TFloatColumn&>(table.Column(c)).StoreFloat(r, r * 0.37L + c);
    for (auto _ : state) {
        long double sum = 0;
        size_t chars = 0;
        for (int c = 0; c < table.ColumnCount(); ++c) {
            const bool isFloat = table.Column(c).TypeKey() == 2;
            for (int r = 0; r < table.RowCount(); ++r) {
                TData& cell = table.Cell(c, r);
                if (isFloat) sum += cell.GetFloat();
                chars += cell.GetText().size();
            }
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(chars);
    }
    state.SetItemsProcessed(state.iterations() * 200 * 7);
}
BENCHMARK(BM_GridReadEveryCell200x7);

} // namespace
