#include "analyses/lastdigitgrid.h"

#include <string>

namespace pirumo {

namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kPaleYellow = MakeRgb(255, 255, 200);
constexpr Rgb kPaleRed = MakeRgb(255, 200, 200);
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
    grid.SetHeadersVisible(false, false);
    grid.SetColumnCount(kColumns);
    grid.SetRowCount(rows);
    grid.SetVisibleSize(29, 52);
    grid.SetScrollBars(ScrollBars::Vertical);

    grid.SetRowHeight(ResultGrid::kAll, 10);
    grid.SetColumnWidth(ResultGrid::kAll, 5);

    grid.Block(ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll);
    grid.SetCellType(CellType::StaticText);
    grid.SetAlignment(HAlign::Center);

    grid.Block(1, 1, 1, rows);
    grid.SetForeColor(kRed);
    grid.SetBackColor(kPaleYellow);

    grid.Block(1, 2, kColumns, rows);
    grid.SetCellBorder(border::kAll);

    grid.ActivateCell(0, 0);
}

void WriteLastDigitHeader(ResultGrid& grid, int row, bool mirrored) {
    const int titleRow = mirrored ? row + 1 : row;
    const int digitRow = mirrored ? row : row + 1;

    grid.Block(2, row, kColumns, row + 1);
    grid.SetForeColor(kBlue);
    grid.SetBackColor(kPaleRed);

    grid.Block(1, titleRow, 1, titleRow);
    grid.SetCellBorder(border::kOutline);
    grid.Block(2, titleRow, kColumns, titleRow);
    grid.SetCellBorder(border::kNone);
    grid.SetCellBorder(border::kOutline);

    grid.SetCellText(1, titleRow, "回数");

    grid.SetAllowOverflow(true);
    grid.Cell(2, titleRow);
    grid.SetText(TitleText());
    grid.SetAlignment(HAlign::Left);
    grid.SetRowHeight(titleRow, 20);

    for (int digit = 0; digit <= 9; ++digit) {
        grid.SetCellText(LastDigitColumn(digit), digitRow, digit);
    }
}

}  // namespace pirumo
