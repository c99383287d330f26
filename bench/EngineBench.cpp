// Google Benchmark cases: EvaluateLine on each kind of line of the mix, and
// the batch run of the dialog on a block of mixed lines.
#include <benchmark/benchmark.h>

#include <string>

#include "MixLines.h"
#include "batch/BatchCalculation.h"
#include "batch/UpperCase.h"
#include "engine/Evaluate.h"

namespace {

using quorvane::batch::RunBatch;
using quorvane::batch::UpperCaseText;
using quorvane::engine::EvaluateLine;

void BM_EvaluateLine(benchmark::State& state) {
    std::string line = ExampleMixLine(static_cast<std::size_t>(state.range(0)));
    UpperCaseText(line);
    for (auto _ : state) benchmark::DoNotOptimize(EvaluateLine(line));
    state.SetLabel(line);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateLine)->DenseRange(0, kMixKinds - 1);

// The whole mix, in the shuffled order of the generated files.
void BM_EvaluateLineMix(benchmark::State& state) {
    std::mt19937_64 random(1);
    std::vector<std::string> lines(7000);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        AppendMixLine(lines[i], random() % kMixKinds, random);
        UpperCaseText(lines[i]);
    }
    for (auto _ : state) {
        for (const std::string& line : lines) benchmark::DoNotOptimize(EvaluateLine(line));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}
BENCHMARK(BM_EvaluateLineMix);

void BM_RunBatch(benchmark::State& state) {
    std::mt19937_64 random(1);
    std::string text;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        AppendMixLine(text, static_cast<std::size_t>(i) % kMixKinds, random);
        text += "\r\n";
    }
    for (auto _ : state) benchmark::DoNotOptimize(RunBatch(text));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RunBatch)->Arg(1000)->Arg(100000);

}  // namespace

BENCHMARK_MAIN();
