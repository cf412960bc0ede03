#include "analyses/consecutivegrid.h"

#include <algorithm>

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 12;
constexpr int kRightHalf = 6;  // column offset of the skip-one half

void SetUpGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + 1;
    ShapeGrid(grid, {.columns = kColumns,
                     .rows = rows,
                     .visibleColumns = 12,
                     .visibleRows = 51,
                     .columnWidth = 4});

    for (int column : {1, 1 + kRightHalf}) {
        PaintBlock(grid, column, 1, column, rows, kRed, kPaleYellow);
    }

    grid.Block(1, 1, kColumns, rows);
    grid.SetCellBorder(border::kAll);

    grid.ActivateCell(0, 0);
}

void WriteHeaderRow(ResultGrid& grid) {
    // Each run of number columns in row 1 reads as one header block.
    FrameAsOneCell(grid, 2, 1, 6, 1);
    FrameAsOneCell(grid, 8, 1, 12, 1);

    grid.Block(2, 1, 6, 1);
    grid.SetBackColor(kPaleMagenta);
    grid.Block(8, 1, 12, 1);
    grid.SetBackColor(kPaleRed);

    grid.SetCellText(1, 1, "回数");
    WriteOverflowTitle(grid, 3, 1, "　　連番(本数字)");
    grid.SetCellText(7, 1, "回数");
    WriteOverflowTitle(grid, 9, 1, "　飛び石(本数字)");
}

// One half of a draw row: the draw number and the main numbers, both cells of each pair coloured
// (`pairColour`), the draw number grey when there is no pair.
void WriteHalf(ResultGrid& grid, const ConsecutiveRow& drawRow,
               const std::array<bool, ConsecutiveRow::kPairs>& pairs, Rgb pairColour,
               int firstColumn, int row) {
    grid.SetCellText(firstColumn, row, drawRow.draw.drawNumber);
    for (int i = 0; i < 5; ++i) {
        grid.SetCellText(firstColumn + 1 + i, row, drawRow.draw.Main(i));
    }
    for (int i = 0; i < ConsecutiveRow::kPairs; ++i) {
        if (pairs[static_cast<std::size_t>(i)]) {
            grid.Block(firstColumn + 1 + i, row, firstColumn + 2 + i, row);
            grid.SetBackColor(pairColour);
        }
    }
    if (std::ranges::none_of(pairs, [](bool pair) { return pair; })) {
        grid.Cell(firstColumn, row);
        grid.SetBackColor(kGrey);
    }
}

// Draws follow one another from row 2; rows left over at the bottom stay empty.
void WriteDrawRows(ResultGrid& grid, const ConsecutiveResult& result) {
    int row = 2;
    for (const ConsecutiveRow& drawRow : result.rows) {
        WriteHalf(grid, drawRow, drawRow.consecutive, kPaleCyan, 1, row);
        WriteHalf(grid, drawRow, drawRow.skipOne, kPaleGreen, 1 + kRightHalf, row);
        ++row;
    }
}

}  // namespace

void FillConsecutiveGrid(const ConsecutiveResult& result, ResultGrid& grid) {
    SetUpGrid(grid, result.lastDrawNumber);
    WriteHeaderRow(grid);
    WriteDrawRows(grid, result);
}

}  // namespace pirumo
