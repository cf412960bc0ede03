#include "analyses/lastdigitgrid.h"

#include <string>

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 11;

// 96 characters, so that "下一桁数字" stands over the digit columns.
std::string TitleText() {
    std::string text(43, ' ');
    text += "下一桁数字";
    text += std::string(27, ' ');
    text += "　　　";
    text += std::string(18, ' ');
    return text;
}

}  // namespace

void SetUpLastDigitGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + kLastDigitHeaderRows;
    ShapeGrid(grid, {.columns = kColumns, .rows = rows, .visibleColumns = 29, .visibleRows = 52});

    PaintBlock(grid, 1, 1, 1, rows, kRed, kPaleYellow);

    grid.Block(1, 2, kColumns, rows);
    grid.SetCellBorder(border::kAll);

    grid.ActivateCell(0, 0);
}

void WriteLastDigitHeader(ResultGrid& grid, int row, bool mirrored) {
    const int titleRow = mirrored ? row + 1 : row;
    const int digitRow = mirrored ? row : row + 1;

    PaintBlock(grid, 2, row, kColumns, row + 1, kBlue, kPaleRed);

    grid.Block(1, titleRow, 1, titleRow);
    grid.SetCellBorder(border::kOutline);
    FrameAsOneCell(grid, 2, titleRow, kColumns, titleRow);

    grid.SetCellText(1, titleRow, "回数");

    WriteOverflowTitle(grid, 2, titleRow, TitleText());
    grid.SetRowHeight(titleRow, 20);

    for (int digit = 0; digit <= 9; ++digit) {
        grid.SetCellText(LastDigitColumn(digit), digitRow, digit);
    }
}

}  // namespace pirumo
