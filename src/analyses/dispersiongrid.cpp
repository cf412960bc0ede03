#include "analyses/dispersiongrid.h"

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 33;  // draw number, numbers 1..31, draw number again
constexpr int kFirstDataRow = 3;

int ColumnOfNumber(int number) {
    return number + 1;
}

void SetUpGrid(ResultGrid& grid, int rows) {
    ShapeGrid(grid, {.columns = kColumns,
                     .rows = rows,
                     .visibleColumns = 33,
                     .visibleRows = 47,
                     .scrollBars = ScrollBars::Both,
                     .columnWidth = 2});
    grid.SetColumnWidth(1, 5);
    grid.SetColumnWidth(kColumns, 5);
    grid.SetRowHeight(1, 15);
    grid.SetRowHeight(2, 15);

    grid.Block(2, 1, 32, 1);
    grid.SetCellBorder(border::kOutline, kFrameBlue);
    grid.Block(1, 1, 1, 1);
    grid.SetCellBorder(border::kRight, kFrameBlue);
    grid.Block(1, 2, kColumns, rows);
    grid.SetCellBorder(border::kAll, kFrameBlue);
    grid.SetBlockMode(false);

    // The title spreads over the number columns from the middle one.
    grid.SetAllowOverflow(true);
    grid.Cell(16, 1);
    grid.SetText("数　　　　　　　字");
    grid.SetAlignment(HAlign::Center);
    grid.SetForeColor(kBlue);
    grid.Block(2, 1, 32, 1);
    grid.SetBackColor(kPaleTurquoise);

    for (int column : {1, kColumns}) {
        PaintBlock(grid, column, 1, column, rows, kRed, kPaleYellow);
    }
    grid.SetBlockMode(false);

    grid.ActivateCell(0, 0);
}

void WriteNumberHeaderRow(ResultGrid& grid, int row) {
    WriteNumberTitleRow(grid, row);
    grid.SetBackColor(kPaleCyan);
    grid.SetBlockMode(false);
}

void WriteNumberHeaders(ResultGrid& grid, int lastDrawNumber) {
    if (lastDrawNumber >= 1) {
        WriteNumberHeaderRow(grid, 2);
    }
    WriteNumberHeaderRow(grid, lastDrawNumber + 3);
}

// Draws follow one another from the first data row, so with skipped draws the rows above the
// footer stay empty.
void WriteDrawRows(ResultGrid& grid, const DispersionResult& result) {
    const int lastDataRow = result.lastDrawNumber + 2;
    int row = kFirstDataRow;
    for (const DrawnNumbers& draw : result.draws) {
        if (row > lastDataRow) {
            return;
        }
        grid.SetCellText(1, row, draw.drawNumber);
        grid.SetCellText(kColumns, row, draw.drawNumber);
        for (int n : draw.numbers) {
            grid.SetCellText(ColumnOfNumber(n), row, "●");
        }
        for (int i = 0; i < Draw::kBonusIndex; ++i) {
            grid.Cell(ColumnOfNumber(draw.Main(i)), row);
            grid.SetForeColor(kMainNumberMarkColour);
        }
        grid.Cell(ColumnOfNumber(draw.Bonus()), row);
        grid.SetForeColor(kBonusNumberMarkColour);
        ++row;
    }
}

}  // namespace

void FillDispersionGrid(const DispersionResult& result, ResultGrid& grid) {
    SetUpGrid(grid, result.lastDrawNumber + 3);
    WriteNumberHeaders(grid, result.lastDrawNumber);
    WriteDrawRows(grid, result);
}

}  // namespace pirumo
