#pragma once

#include <array>
#include <string_view>

#include "grid/resultgrid.h"

namespace pirumo {

// What every analysis grid is sized to before its own colours and borders go on.
struct GridShape {
    int columns = 0;
    int rows = 0;
    int visibleColumns = 0;
    int visibleRows = 0;
    ScrollBars scrollBars = ScrollBars::Vertical;
    double rowHeight = 10;   // points, every row
    double columnWidth = 5;  // characters, every column
};

// Sizes the grid, hides the built-in headers and makes every cell static centred text. The
// whole grid is left selected, so the caller sets particular heights and widths after this.
void ShapeGrid(ResultGrid& grid, const GridShape& shape);

// Text and background colour of a block.
void PaintBlock(ResultGrid& grid, int column, int row, int column2, int row2, Rgb fore, Rgb back);

// Frames a block as one cell: the borders between its cells go, its outline stays.
void FrameAsOneCell(ResultGrid& grid, int column, int row, int column2, int row2);

// A left-aligned title that runs on over the empty cells to its right; the cell stays selected.
void WriteOverflowTitle(ResultGrid& grid, int column, int row, std::string_view text);

// "回" at both ends and the numbers 1..31 in blue between, for the charts with a column per
// number (column n + 1 for number n, 33 columns).
void WriteNumberTitleRow(ResultGrid& grid, int row);

}  // namespace pirumo
