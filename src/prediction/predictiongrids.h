#pragma once

#include <array>
#include <string_view>

#include "grid/resultgrid.h"

namespace pirumo {

// The four result grids of the prediction window, by their control index.
enum PredictionGridIndex : int {
    kCycleGrid = 0,
    kEliminationGrid = 1,
    kRapidFireGrid = 2,
    kOneShotGrid = 3,
};
inline constexpr int kPredictionGridCount = 4;
inline constexpr std::array<std::string_view, kPredictionGridCount> kPredictionGridNames{
    "CycleGrid", "EliminationGrid", "RapidFireGrid", "OneShotGrid"};

int PredictionGridRows(int index);

// Size, widths, heights, cell type, alignment, borders and the column-1 labels.
void SetUpPredictionGrid(ResultGrid& grid, int index);

// The 本 数 字 band of row 1 and the open label areas in column 1.
void DrawPredictionHeader(ResultGrid& grid, int index);

// Empties the value cells (columns 2..6 from row 2) and centres them.
void ClearValueCells(ResultGrid& grid, int index);

// True when text stands in none of the cells that count as shown: columns 2..6 of row 2, and of
// row 3 for the rapid-fire grid.
bool IsNotInGrid(const ResultGrid& grid, int index, std::string_view text);

}  // namespace pirumo
