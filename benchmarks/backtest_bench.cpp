#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "history/import/historycsv.h"
#include "history/store/samplehistory.h"
#include "memoryusage.h"
#include "prediction/backtest/backtest.h"

namespace {

using pirumo::DrawHistory;

std::filesystem::path PublishedHistory() {
    return std::filesystem::path(PIRUMO_BUNDLED_HISTORY_CSV);
}

void RunWholeBacktest(benchmark::State& state, const DrawHistory& history) {
    pirumo::PredictionOptions options;
    options.reflect[0] = true;
    const auto [from, to] = pirumo::DefaultBacktestRange(history);
    for (auto _ : state) {
        const pirumo::BacktestResult result = pirumo::RunBacktest(history, options, from, to);
        benchmark::DoNotOptimize(result.summary[0].matches);
        state.counters["draws"] = static_cast<double>(result.draws.size());
    }
    // The process's peak so far: meaningful when this benchmark runs alone.
    state.counters["peak_MiB"] = pirumo::bench::StatusMiB("VmHWM");
}

// Every draw of the real history checked, all four methods.
void BM_Backtest_RealHistory(benchmark::State& state) {
    std::ifstream in(PublishedHistory(), std::ios::binary);
    static const DrawHistory history(
        pirumo::ParseCsvHistory(std::string(std::istreambuf_iterator<char>(in), {})));
    RunWholeBacktest(state, history);
}
BENCHMARK(BM_Backtest_RealHistory)->Unit(benchmark::kMillisecond);

// The longest history the file can hold.
void BM_Backtest_32767Draws(benchmark::State& state) {
    static const DrawHistory history(pirumo::MakeSampleHistory(32767, 1));
    RunWholeBacktest(state, history);
}
BENCHMARK(BM_Backtest_32767Draws)->Unit(benchmark::kMillisecond);

}  // namespace
