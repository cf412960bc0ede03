#include "analyses/numbersumgrid.h"

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 9;

void SetUpGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + 1;
    ShapeGrid(grid, {.columns = kColumns, .rows = rows, .visibleColumns = 9, .visibleRows = 51});
    grid.SetRowHeight(1, 20);
    grid.SetColumnWidth(7, 10);  // 本数字合計 whole
    grid.SetColumnWidth(8, 7);
    grid.SetColumnWidth(9, 10);

    if (rows >= 2) {
        PaintBlock(grid, 1, 2, 1, rows, kRed, kPaleYellow);
        for (int column : {7, 9}) {
            PaintBlock(grid, column, 2, column, rows, kBlue, kPaleCyan);
        }
    }

    grid.Block(1, 1, kColumns, rows);
    grid.SetCellBorder(border::kAll);

    grid.ActivateCell(0, 0);
}

void WriteHeaderRow(ResultGrid& grid) {
    grid.Block(2, 1, 6, 1);
    grid.SetCellBorder(border::kNone);
    grid.Block(2, 1, 8, 1);
    grid.SetCellBorder(border::kOutline);

    PaintBlock(grid, 1, 1, kColumns, 1, kBlack, kPaleRed);

    WriteOverflowTitle(grid, 4, 1, "本 数 字");
    grid.SetRowHeight(1, 20);

    grid.SetCellText(1, 1, "回数");
    grid.SetCellText(7, 1, "本数字合計");
    grid.SetCellText(8, 1, "ボ数字");
    grid.SetCellText(9, 1, "本数字+ボ数字");
}

// Valid draws fill the rows from row 2 in turn, so skipped draws leave empty rows at the bottom.
void WriteDrawRows(ResultGrid& grid, const NumberSumResult& result) {
    int row = 2;
    for (const NumberSumRow& draw : result.draws) {
        grid.SetCellText(1, row, draw.drawNumber);
        for (int i = 0; i < 5; ++i) {
            grid.SetCellText(2 + i, row, draw.numbers[static_cast<std::size_t>(i)]);
        }
        grid.SetCellText(7, row, draw.mainTotal);
        grid.SetCellText(8, row, draw.numbers[Draw::kBonusIndex]);
        grid.SetCellText(9, row, draw.total);
        ++row;
    }
}

}  // namespace

void FillNumberSumGrid(const NumberSumResult& result, ResultGrid& grid) {
    SetUpGrid(grid, result.lastDrawNumber);
    WriteHeaderRow(grid);
    WriteDrawRows(grid, result);
}

}  // namespace pirumo
