#include "analyses/carryovergrid.h"

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 7;  // draw number, five main numbers, bonus number
constexpr int kFirstDataRow = 2;

void SetUpGrid(ResultGrid& grid, int rows) {
    ShapeGrid(grid, {.columns = kColumns,
                     .rows = rows,
                     .visibleColumns = 7,
                     .visibleRows = 51,
                     .columnWidth = 7});
    grid.SetRowHeight(1, 15);
    grid.SetColumnWidth(7, 9);

    PaintBlock(grid, 1, 1, 1, rows, kRed, kPaleYellow);

    grid.Block(1, 1, kColumns, rows);
    grid.SetCellBorder(border::kAll);
    grid.SetBlockMode(false);

    grid.ActivateCell(0, 0);
}

void WriteHeaderRow(ResultGrid& grid) {
    grid.SetRowHeight(1, 15);

    // The five main-number columns read as one header block.
    grid.Block(2, 1, 6, 1);
    grid.SetCellBorder(border::kNone);
    grid.SetCellBorder(border::kBottom);

    PaintBlock(grid, 1, 1, kColumns, 1, kBlack, kPaleRed);
    grid.SetBlockMode(false);

    grid.SetCellText(1, 1, "回数");
    WriteOverflowTitle(grid, 4, 1, " 本 数 字         ");
    grid.SetCellText(7, 1, "ボーナス数字");
}

// Draws follow one another from the first data row; rows left over at the bottom stay empty.
void WriteDrawRows(ResultGrid& grid, const CarryOverResult& result) {
    const int lastDataRow = result.lastDrawNumber + 1;
    int row = kFirstDataRow;
    for (const CarryOverRow& drawRow : result.rows) {
        if (row > lastDataRow) {
            return;
        }
        grid.SetCellText(1, row, drawRow.draw.drawNumber);
        for (int i = 0; i < Draw::kFieldCount; ++i) {
            const auto position = static_cast<std::size_t>(i);
            grid.SetCellText(2 + i, row, drawRow.draw.numbers[position]);
            if (drawRow.carried[position]) {
                grid.Cell(2 + i, row);
                grid.SetBackColor(kCarriedColour);
            }
        }
        ++row;
    }
}

}  // namespace

void FillCarryOverGrid(const CarryOverResult& result, ResultGrid& grid) {
    const int rows = result.lastDrawNumber + 1;
    SetUpGrid(grid, rows);
    WriteHeaderRow(grid);
    WriteDrawRows(grid, result);
}

}  // namespace pirumo
