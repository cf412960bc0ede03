#include <benchmark/benchmark.h>

#include <filesystem>

#include "history/drawrange.h"
#include "history/import/historycsv.h"

namespace {

using namespace pirumo;

// Restricting the real history to the newest 100 draws and to 第700回〜第799回: the step every
// analysis window waits for when the 分析範囲 changes, before its own analysis.
void BM_RestrictHistory(benchmark::State& state) {
    const DrawHistory history(
        ReadCsvHistoryFile(std::filesystem::path(PIRUMO_BUNDLED_HISTORY_CSV)));
    const DrawRange range =
        state.range(0) == 0 ? DrawRange::Last(100) : DrawRange::Between(700, 799);
    for (auto _ : state) {
        DrawHistory restricted = RestrictHistory(history, range);
        benchmark::DoNotOptimize(restricted);
    }
}
BENCHMARK(BM_RestrictHistory)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
