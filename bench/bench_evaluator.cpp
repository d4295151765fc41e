#include "components/evaluator.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A typical long entry: constants, functions, hexadecimal, parentheses and every pass of the reduction.
const std::string kExpression = "2*pi*3.5^2+sqrt(2)/2-$1F*(1.5e-3+7%3)=10";

void BM_Evaluate40Characters(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(quavis::Evaluate(kExpression));
    state.SetLabel(std::to_string(kExpression.size()) + " characters");
}
BENCHMARK(BM_Evaluate40Characters);

} // namespace
