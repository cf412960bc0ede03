#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "analyses/analysiscatalog.h"
#include "history/import/historycsv.h"

namespace {

using namespace pirumo;

// The bundled published history.
const DrawHistory& BenchHistory() {
    static const DrawHistory history = [] {
        std::ifstream in(std::filesystem::path(PIRUMO_BUNDLED_HISTORY_CSV), std::ios::binary);
        return DrawHistory(ParseCsvHistory(
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())));
    }();
    return history;
}

void BM_RunAnalysis(benchmark::State& state, const Analysis* window) {
    const DrawHistory& history = BenchHistory();
    for (auto _ : state) {
        ResultGrid grid;
        window->fillGrid(history, grid);
        benchmark::DoNotOptimize(grid);
        state.counters["gridBytes"] = static_cast<double>(grid.MemoryBytes());
    }
}

// One benchmark per analysis window, named after the window.
const bool kRegistered = [] {
    for (const Analysis& window : Analyses()) {
        benchmark::RegisterBenchmark(("RunAnalysis/" + window.name).c_str(), BM_RunAnalysis,
                                     &window)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
