#include "analyses/pairedcolumngrid.h"

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"
#include "history/draw.h"

namespace pirumo {

namespace {

constexpr int kColumns = 13;
constexpr int kFirstDataRow = 3;

// Column of the number at position k (1..6), and of its value.
constexpr int NumberColumn(int k) {
    return 2 * k;
}
constexpr int ValueColumn(int k) {
    return 2 * k + 1;
}

void SetUpGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + 4;
    ShapeGrid(grid, {.columns = kColumns, .rows = rows, .visibleColumns = 13, .visibleRows = 52});
    grid.SetRowHeight(1, 15);
    grid.SetRowHeight(2, 12);

    PaintBlock(grid, 1, 1, 1, rows, kRed, kPaleYellow);

    for (int k = 1; k <= 6; ++k) {
        grid.Block(NumberColumn(k), kFirstDataRow, NumberColumn(k), rows);
        grid.SetBackColor(kPaleCyan);
    }

    grid.Block(1, 1, kColumns, rows);
    grid.SetCellBorder(border::kAll);

    grid.ActivateCell(0, 0);
}

// The band row and the names row from `firstRow`; band row first unless mirrored.
void WriteHeaders(ResultGrid& grid, int firstRow, bool mirrored, const PairedHeaderTexts& texts) {
    const int bandRow = mirrored ? firstRow + 1 : firstRow;
    const int namesRow = mirrored ? firstRow : firstRow + 1;

    // The main numbers and the bonus number each read as one band.
    grid.Block(2, bandRow, 13, bandRow);
    grid.SetCellBorder(border::kNone);
    grid.Block(2, bandRow, 11, bandRow);
    grid.SetCellBorder(border::kOutline);
    grid.Block(12, bandRow, 13, bandRow);
    grid.SetCellBorder(border::kOutline);

    PaintBlock(grid, 2, firstRow, 13, firstRow + 1, kBlack, kPaleRed);
    grid.SetBlockMode(false);

    WriteOverflowTitle(grid, 6, bandRow, texts.mainBand);
    WriteOverflowTitle(grid, 12, bandRow, "     ボ数字   　   ");

    grid.SetCellText(1, namesRow, "回数");
    for (int k = 1; k <= 6; ++k) {
        grid.SetCellText(NumberColumn(k), namesRow,
                         kNumberFieldTitles[static_cast<std::size_t>(k - 1)]);
        grid.SetCellText(ValueColumn(k), namesRow, texts.valueTitle);
    }
}

}  // namespace

void FillPairedColumnGrid(const PositionValueResult& result, const PairedHeaderTexts& texts,
                          PairedValueWriter writeValue, ResultGrid& grid) {
    SetUpGrid(grid, result.lastDrawNumber);
    WriteHeaders(grid, 1, false, texts);
    const int footerRow = result.lastDrawNumber + 3;
    WriteHeaders(grid, footerRow, true, texts);

    for (const PositionValueRow& drawRow : result.rows) {
        const int row = kFirstDataRow + drawRow.historyIndex;
        // More history rows than draw numbers would run into the footer.
        if (row >= footerRow) {
            break;
        }
        grid.SetCellText(1, row, drawRow.draw.drawNumber);
        for (int k = 1; k <= Draw::kFieldCount; ++k) {
            const auto i = static_cast<std::size_t>(k - 1);
            grid.SetCellText(NumberColumn(k), row, drawRow.draw.numbers[i]);
            writeValue(grid, drawRow.values[i], ValueColumn(k), row);
        }
    }
}

}  // namespace pirumo
