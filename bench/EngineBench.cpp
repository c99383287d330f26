// Google Benchmark cases: EvaluateLine on each kind of line of the mix, and
// the batch run of the dialog on a block of mixed lines.
#include <benchmark/benchmark.h>

#include <string>

#include "BatchCalculation.h"
#include "ExprEngine.h"

namespace {

const char* const kMix[] = {
    "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0",
    "1+1",
    "5*5+1.6",
    "sqrt(16)+pow(2,10)",
    "(123.456+789)*321/654",
    "123*456-789/321",
    "sin(12)*cos(34)+atan2(56,78)",
};

std::string UpperCased(const char* line) {
    std::string text = line;
    UpperCaseText(text);
    return text;
}

void BM_EvaluateLine(benchmark::State& state) {
    const std::string line = UpperCased(kMix[state.range(0)]);
    for (auto _ : state) benchmark::DoNotOptimize(EvaluateLine(line));
    state.SetLabel(line);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateLine)->DenseRange(0, std::size(kMix) - 1);

void BM_RunBatch(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < state.range(0); ++i) {
        text += kMix[i % std::size(kMix)];
        text += "\r\n";
    }
    for (auto _ : state) benchmark::DoNotOptimize(RunBatch(text));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RunBatch)->Arg(1000)->Arg(100000);

}  // namespace

BENCHMARK_MAIN();
