#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "analyses/analysiscatalog.h"
#include "history/import/historycsv.h"

namespace {

using namespace pirumo;

const DrawHistory& BundledHistory() {
    static const DrawHistory history = [] {
        std::ifstream in(std::filesystem::path(PIRUMO_BUNDLED_HISTORY_CSV), std::ios::binary);
        return DrawHistory(ParseCsvHistory(
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())));
    }();
    return history;
}

// A window's comparison with chance on the bundled history, its analysis included; the
// enumerated and simulated distributions are made once before timing, as the program keeps them.
void BM_ChanceReport(benchmark::State& state, const Analysis* window) {
    const DrawHistory& history = BundledHistory();
    benchmark::DoNotOptimize(window->chance(history));
    for (auto _ : state) {
        benchmark::DoNotOptimize(window->chance(history));
    }
}

const bool kRegistered = [] {
    for (const Analysis& window : Analyses()) {
        benchmark::RegisterBenchmark(("ChanceReport/" + window.name).c_str(), BM_ChanceReport,
                                     &window)
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace
