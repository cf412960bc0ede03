#include "analyses/lastdigitrungrid.h"

#include "analyses/analysiscolours.h"
#include "analyses/lastdigitgrid.h"

namespace pirumo {

namespace {

Rgb RunCountColour(int count) {
    switch (count) {
        case 1:
            return kWhite;
        case 2:
        case 3:
            return kPaleCyan;
        case 4:
        case 5:
            return kPaleGreen;
        case 6:
        case 7:
            return kPaleYellow;
        case 8:
        case 9:
            return kPaleMagenta;
        case 12:
            return kGrey;
        default:
            return kPaleRed;  // 10, 11 and 13 on
    }
}

}  // namespace

void FillLastDigitRunGrid(const LastDigitResult& result, ResultGrid& grid) {
    SetUpLastDigitGrid(grid, result.lastDrawNumber);
    // The draw numbers of column 1 are generated, so that a missing draw keeps its empty row.
    for (int n = 1; n <= result.lastDrawNumber; ++n) {
        grid.SetCellText(1, n + 2, n);
    }
    for (const LastDigitRow& draw : result.draws) {
        const int row = draw.drawNumber + 2;
        for (int digit = 0; digit < kLastDigitCount; ++digit) {
            const int count = draw.runCounts[static_cast<std::size_t>(digit)];
            if (count == 0) {
                continue;
            }
            const int column = LastDigitColumn(digit);
            grid.SetCellText(column, row, count);
            grid.Block(column, row, column, row);
            grid.SetCellBorder(border::kBottom);
            grid.SetBackColor(RunCountColour(count));
        }
    }
}

}  // namespace pirumo
