#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "prediction/garuponpredictor.h"

namespace {

using pirumo::Draw;
using pirumo::DrawHistory;

// The published history: 開催回,日付,第1数字..第5数字,ボーナス数字 after a header line.
DrawHistory ReadPublishedHistory() {
    std::ifstream in(std::filesystem::path(PIRUMO_SHARED_DATA_DIR) / "miniloto-history.csv");
    std::vector<Draw> rows;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string field;
        Draw draw;
        std::getline(fields, field, ',');
        draw.drawNumber = std::stoi(field);
        std::getline(fields, draw.date, ',');
        for (auto& number : draw.numbers) {
            std::getline(fields, field, ',');
            number = static_cast<std::int16_t>(field.empty() ? 0 : std::stoi(field));
        }
        rows.push_back(draw);
    }
    return DrawHistory(std::move(rows));
}

DrawHistory RandomHistory(int count) {
    std::mt19937 random(20240101);
    std::vector<Draw> rows;
    std::array<int, 31> pool{};
    for (int i = 0; i < 31; ++i) {
        pool[static_cast<std::size_t>(i)] = i + 1;
    }
    for (int n = 1; n <= count; ++n) {
        std::shuffle(pool.begin(), pool.end(), random);
        Draw draw;
        draw.drawNumber = n;
        for (std::size_t i = 0; i < draw.numbers.size(); ++i) {
            draw.numbers[i] = static_cast<std::int16_t>(pool[i]);
        }
        rows.push_back(draw);
    }
    return DrawHistory(std::move(rows));
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
    if (!std::filesystem::exists(std::filesystem::path(PIRUMO_SHARED_DATA_DIR) /
                                 "miniloto-history.csv")) {
        state.SkipWithError("the published history is not beside the repository");
        return;
    }
    static const DrawHistory history = ReadPublishedHistory();
    RunWholePrediction(state, history);
}
BENCHMARK(BM_WholePrediction_RealHistory)->Unit(benchmark::kMillisecond);

void BM_WholePrediction_32767Draws(benchmark::State& state) {
    static const DrawHistory history = RandomHistory(32767);
    RunWholePrediction(state, history);
}
BENCHMARK(BM_WholePrediction_32767Draws)->Unit(benchmark::kMillisecond);

// What an option click costs: clearing three grids and the predictions without the cycle pass.
void BM_OptionClick_RealSizedHistory(benchmark::State& state) {
    static const DrawHistory history = RandomHistory(1353);
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
