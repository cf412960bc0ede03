#include "analyses/numbergapgrid.h"

#include <string>

#include "analyses/analysiscolours.h"
#include "analyses/pairedcolumngrid.h"

namespace pirumo {

namespace {

constexpr Rgb kFallColour = kPaleMagenta;

void WriteGap(ResultGrid& grid, std::optional<int> gap, int column, int row) {
    if (!gap) {
        return;
    }
    if (*gap > 0) {
        std::string text = std::to_string(*gap);
        text.insert(text.begin(), '+');
        grid.SetCellText(column, row, text);
        return;
    }
    if (*gap < 0) {
        grid.Cell(column, row);
        grid.SetBackColor(kFallColour);
    }
    grid.SetCellText(column, row, *gap);
}

}  // namespace

void FillNumberGapGrid(const PositionValueResult& gaps, ResultGrid& grid) {
    FillPairedColumnGrid(gaps, {"    本 数 字", "差分"}, WriteGap, grid);
}

}  // namespace pirumo
