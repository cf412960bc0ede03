#pragma once

#include <array>
#include <string_view>

#include "grid/resultgrid.h"
#include "prediction/garuponprediction.h"

namespace pirumo {

// The four result grids of the prediction window, by their control index: one per method, in
// the methods' order.
enum PredictionGridIndex : int {
    kCycleGrid = kCycleMethod,
    kEliminationGrid = kEliminationMethod,
    kRapidFireGrid = kRapidFireMethod,
    kOneShotGrid = kOneShotMethod,
};
inline constexpr int kPredictionGridCount = kMethodCount;
inline constexpr std::array<std::string_view, kPredictionGridCount> kPredictionGridNames{
    "CycleGrid", "EliminationGrid", "RapidFireGrid", "OneShotGrid"};

// Makes grid `index` anew as the window shows it: size, widths, borders, the 本 数 字 band, the
// column-1 labels and the method's numbers in columns 2..6 from row 2 (the cycle grid keeps each
// number at its position's column).
void FillPredictionGrid(const GaruponPrediction& prediction, int index, ResultGrid& grid);

}  // namespace pirumo
