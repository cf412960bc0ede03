#include "analyses/lastdigitgrid.h"

#include <string>

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 11;
constexpr int kHeaderRows = 4;

// 96 characters, so that "下一桁数字" stands over the digit columns.
std::string TitleText() {
    std::string text(43, ' ');
    text += "下一桁数字";
    text += std::string(27, ' ');
    text += "　　　";
    text += std::string(18, ' ');
    return text;
}

// The title row and the digit row in rows `row` and `row + 1`; mirrored puts the digit row above
// the title row.
void WriteHeader(ResultGrid& grid, int row, bool mirrored) {
    const int titleRow = mirrored ? row + 1 : row;
    const int digitRow = mirrored ? row : row + 1;

    PaintBlock(grid, 2, row, kColumns, row + 1, kBlue, kPaleRed);

    grid.Block(1, titleRow, 1, titleRow);
    grid.SetCellBorder(border::kOutline);
    FrameAsOneCell(grid, 2, titleRow, kColumns, titleRow);

    grid.SetCellText(1, titleRow, "回数");

    WriteOverflowTitle(grid, 2, titleRow, TitleText());
    grid.SetRowHeight(titleRow, 20);

    for (int digit = 0; digit < kLastDigitCount; ++digit) {
        grid.SetCellText(LastDigitColumn(digit), digitRow, digit);
    }
}

// More numbers sharing a last digit, a stronger colour.
Rgb DigitCountColour(int count) {
    if (count >= 4) {
        return kPaleRed;
    }
    if (count == 3) {
        return kPaleGreen;
    }
    if (count == 2) {
        return kPaleCyan;
    }
    return kWhite;
}

}  // namespace

void SetUpLastDigitGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + kHeaderRows;
    ShapeGrid(grid, {.columns = kColumns, .rows = rows, .visibleColumns = 29, .visibleRows = 52});

    PaintBlock(grid, 1, 1, 1, rows, kRed, kPaleYellow);

    grid.Block(1, 2, kColumns, rows);
    grid.SetCellBorder(border::kAll);

    grid.ActivateCell(0, 0);

    WriteHeader(grid, 1, false);
    WriteHeader(grid, lastDrawNumber + 3, true);
}

void FillLastDigitGrid(const LastDigitResult& result, ResultGrid& grid) {
    SetUpLastDigitGrid(grid, result.lastDrawNumber);
    int row = kLastDigitFirstDrawRow;
    for (const LastDigitRow& draw : result.draws) {
        grid.SetCellText(1, row, draw.drawNumber);
        for (int digit = 0; digit < kLastDigitCount; ++digit) {
            const int count = draw.digitCounts[static_cast<std::size_t>(digit)];
            const int column = LastDigitColumn(digit);
            // The digit cells start empty and white: only a digit drawn is written, and only
            // a digit drawn more than once changes colour.
            if (count > 0) {
                grid.SetCellText(
                    column, row,
                    std::string(static_cast<std::size_t>(count), static_cast<char>('0' + digit)));
            }
            const Rgb back = DigitCountColour(count);
            if (back != kWhite) {
                grid.Cell(column, row);
                grid.SetBackColor(back);
            }
        }
        ++row;
    }
}

}  // namespace pirumo
