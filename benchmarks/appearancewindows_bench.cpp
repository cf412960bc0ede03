// Computation and grid fill of the frequency, by-count, interval, gap, dispersion and carry-over
// windows, on the real history and on a generated history of the largest size the file allows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "analyses/analysiscatalog.h"
#include "history/import/historycsv.h"

namespace {

using pirumo::Draw;
using pirumo::DrawHistory;

constexpr std::array<const char*, 6> kWindows{"出現頻度分析", "回数別出現分析", "出現間隔分析",
                                              "数字間隔分析", "バラツキ分析",   "引っ張り分析"};

// The bundled published history.
const DrawHistory& RealHistory() {
    static const DrawHistory history = [] {
        std::ifstream in(std::filesystem::path(PIRUMO_BUNDLED_HISTORY_CSV), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return DrawHistory(pirumo::ParseCsvHistory(bytes.str()));
    }();
    return history;
}

// Draws 1..32767, each six distinct numbers from a fixed seed.
const DrawHistory& LargestHistory() {
    static const DrawHistory history = [] {
        std::mt19937 random(20240601);
        std::array<int, 31> pool{};
        std::iota(pool.begin(), pool.end(), 1);
        std::vector<Draw> draws;
        for (int n = 1; n <= 32767; ++n) {
            std::shuffle(pool.begin(), pool.end(), random);
            Draw d;
            d.drawNumber = n;
            for (std::size_t i = 0; i < d.numbers.size(); ++i) {
                d.numbers[i] = static_cast<std::int16_t>(pool[i]);
            }
            draws.push_back(d);
        }
        return DrawHistory(std::move(draws));
    }();
    return history;
}

void RunWindow(benchmark::State& state, const char* name, const DrawHistory& (*history)()) {
    const pirumo::Analysis* window = pirumo::FindAnalysis(name);
    if (history().Rows().empty()) {
        state.SkipWithError("history absent");
        return;
    }
    for (auto _ : state) {
        pirumo::ResultGrid grid;
        window->fillGrid(history(), grid);
        benchmark::DoNotOptimize(grid);
    }
    state.counters["draws"] = static_cast<double>(history().Rows().size());
}

const bool kRegistered = [] {
    for (const char* name : kWindows) {
        benchmark::RegisterBenchmark((std::string(name) + "/real").c_str(), RunWindow, name,
                                     &RealHistory)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string(name) + "/32767").c_str(), RunWindow, name,
                                     &LargestHistory)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
