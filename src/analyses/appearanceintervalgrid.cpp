#include "analyses/appearanceintervalgrid.h"

#include <string>

#include "analyses/pairedcolumngrid.h"

namespace pirumo {

namespace {

void WriteIntervalText(ResultGrid& grid, std::optional<int> interval, int column, int row) {
    grid.SetCellText(column, row, interval ? std::to_string(*interval) + "回前" : "初回");
}

}  // namespace

void FillAppearanceIntervalGrid(const PositionValueResult& intervals, ResultGrid& grid) {
    FillPairedColumnGrid(intervals, {"    本 数 字     ", "出現"}, WriteIntervalText, grid);
}

}  // namespace pirumo
