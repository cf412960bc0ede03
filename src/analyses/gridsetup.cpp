#include "analyses/gridsetup.h"

#include "analyses/analysiscolours.h"

namespace pirumo {

void ShapeGrid(ResultGrid& grid, const GridShape& shape) {
    grid.SetHeadersVisible(false, false);
    grid.SetColumnCount(shape.columns);
    grid.SetRowCount(shape.rows);
    grid.SetVisibleSize(shape.visibleColumns, shape.visibleRows);
    grid.SetScrollBars(shape.scrollBars);

    grid.SetRowHeight(ResultGrid::kAll, shape.rowHeight);
    grid.SetColumnWidth(ResultGrid::kAll, shape.columnWidth);

    grid.Block(ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll);
    grid.SetCellType(CellType::StaticText);
    grid.SetAlignment(HAlign::Center);
}

void PaintBlock(ResultGrid& grid, int column, int row, int column2, int row2, Rgb fore, Rgb back) {
    grid.Block(column, row, column2, row2);
    grid.SetForeColor(fore);
    grid.SetBackColor(back);
}

void FrameAsOneCell(ResultGrid& grid, int column, int row, int column2, int row2) {
    grid.Block(column, row, column2, row2);
    grid.SetCellBorder(border::kNone);
    grid.SetCellBorder(border::kOutline);
}

void WriteOverflowTitle(ResultGrid& grid, int column, int row, std::string_view text) {
    grid.SetAllowOverflow(true);
    grid.Cell(column, row);
    grid.SetText(text);
    grid.SetAlignment(HAlign::Left);
}

void WriteNumberTitleRow(ResultGrid& grid, int row) {
    constexpr int kLastColumn = 33;
    grid.SetCellText(1, row, "回");
    grid.SetCellText(kLastColumn, row, "回");
    for (int n = 1; n <= 31; ++n) {
        grid.SetCellText(n + 1, row, n);
    }
    grid.Block(2, row, kLastColumn - 1, row);
    grid.SetForeColor(kBlue);
}

}  // namespace pirumo
