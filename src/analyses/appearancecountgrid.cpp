#include "analyses/appearancecountgrid.h"

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 13;
constexpr int kFirstDataRow = 3;

void SetUpGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + 2;
    ShapeGrid(grid, {.columns = kColumns, .rows = rows, .visibleColumns = 13, .visibleRows = 52});
    grid.SetRowHeight(1, 15);
    grid.SetRowHeight(2, 12);

    PaintBlock(grid, 1, 1, 1, rows, kRed, kPaleYellow);

    grid.Block(1, 1, kColumns, rows);
    grid.SetCellBorder(border::kAll);

    grid.ActivateCell(0, 0);
}

void WriteHeaderRows(ResultGrid& grid) {
    PaintBlock(grid, 2, 1, 7, 2, kBlue, kPaleCyan);
    PaintBlock(grid, 8, 1, 13, 2, kRed, kPaleGreen);

    grid.SetRowHeight(1, 20);

    // Each half of row 1 reads as one merged cell.
    grid.Block(2, 1, 7, 1);
    grid.SetCellBorder(border::kNone);
    grid.Block(8, 1, 13, 1);
    grid.SetCellBorder(border::kNone);
    grid.Block(7, 1, 7, 1);
    grid.SetCellBorder(border::kRight);
    grid.Block(13, 1, 13, 1);
    grid.SetCellBorder(border::kRight);
    grid.SetBlockMode(false);

    WriteOverflowTitle(grid, 4, 1, "  当 選 数 字");
    grid.Cell(11, 1);
    grid.SetText("前回までの出現回数合計(回)");
    grid.SetAlignment(HAlign::Center);

    grid.SetCellText(1, 2, "回数");
    for (int i = 0; i < 6; ++i) {
        grid.SetCellText(2 + i, 2, kNumberFieldTitles[static_cast<std::size_t>(i)]);
        grid.SetCellText(8 + i, 2, kNumberFieldTitles[static_cast<std::size_t>(i)]);
    }
}

// Draws follow one another from the first data row; rows left over at the bottom stay empty.
void WriteDrawRows(ResultGrid& grid, const AppearanceCountResult& result) {
    int row = kFirstDataRow;
    for (const AppearanceCountRow& drawRow : result.rows) {
        grid.SetCellText(1, row, drawRow.draw.drawNumber);
        for (int i = 0; i < Draw::kFieldCount; ++i) {
            const auto position = static_cast<std::size_t>(i);
            grid.SetCellText(2 + i, row, drawRow.draw.numbers[position]);
            grid.SetCellText(8 + i, row, drawRow.earlierCounts[position]);
        }
        ++row;
    }
}

}  // namespace

void FillAppearanceCountGrid(const AppearanceCountResult& result, ResultGrid& grid) {
    SetUpGrid(grid, result.lastDrawNumber);
    WriteHeaderRows(grid);
    WriteDrawRows(grid, result);
}

}  // namespace pirumo
