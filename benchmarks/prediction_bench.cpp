#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "history/import/historycsv.h"
#include "history/store/samplehistory.h"
#include "prediction/garuponpredictor.h"

namespace {

using pirumo::DrawHistory;

std::filesystem::path PublishedHistory() {
    return std::filesystem::path(PIRUMO_BUNDLED_HISTORY_CSV);
}

DrawHistory ReadPublishedHistory() {
    std::ifstream in(PublishedHistory(), std::ios::binary);
    return DrawHistory(
        pirumo::ParseCsvHistory(std::string(std::istreambuf_iterator<char>(in), {})));
}

void RunWholePrediction(benchmark::State& state, const DrawHistory& history) {
    pirumo::GaruponPredictor predictor;
    predictor.Options().reflect[0] = true;
    for (auto _ : state) {
        predictor.Load(history);
        benchmark::DoNotOptimize(predictor.Grid(pirumo::kOneShotGrid).CellText(2, 2).data());
    }
    state.counters["draws"] = static_cast<double>(history.Rows().size());
}

void BM_WholePrediction_RealHistory(benchmark::State& state) {
    if (!std::filesystem::exists(PublishedHistory())) {
        state.SkipWithError("the published history is not beside the repository");
        return;
    }
    static const DrawHistory history = ReadPublishedHistory();
    RunWholePrediction(state, history);
}
BENCHMARK(BM_WholePrediction_RealHistory)->Unit(benchmark::kMillisecond);

void BM_WholePrediction_32767Draws(benchmark::State& state) {
    static const DrawHistory history(pirumo::MakeSampleHistory(32767, 1));
    RunWholePrediction(state, history);
}
BENCHMARK(BM_WholePrediction_32767Draws)->Unit(benchmark::kMillisecond);

// What an option click costs: the predictions without the cycle pass, and the four grids anew.
void BM_OptionClick_RealSizedHistory(benchmark::State& state) {
    static const DrawHistory history(pirumo::MakeSampleHistory(1353, 1));
    pirumo::GaruponPredictor predictor;
    predictor.Load(history);
    bool on = false;
    for (auto _ : state) {
        on = !on;
        predictor.SetOption(3, on);
    }
}
BENCHMARK(BM_OptionClick_RealSizedHistory)->Unit(benchmark::kMicrosecond);

}  // namespace
