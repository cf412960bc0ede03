#include "analyses/pairedcolumngrid.h"

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"
#include "history/draw.h"

namespace pirumo {

void SetUpPairedColumnGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + 4;
    ShapeGrid(
        grid,
        {.columns = kPairedColumnCount, .rows = rows, .visibleColumns = 13, .visibleRows = 52});
    grid.SetRowHeight(1, 15);
    grid.SetRowHeight(2, 12);

    PaintBlock(grid, 1, 1, 1, rows, kRed, kPaleYellow);

    for (int k = 1; k <= 6; ++k) {
        grid.Block(PairedNumberColumn(k), kPairedFirstDataRow, PairedNumberColumn(k), rows);
        grid.SetBackColor(kPaleCyan);
    }

    grid.Block(1, 1, kPairedColumnCount, rows);
    grid.SetCellBorder(border::kAll);

    grid.ActivateCell(0, 0);
}

void WritePairedColumnHeaders(ResultGrid& grid, int firstRow, bool mirrored,
                              const PairedHeaderTexts& texts) {
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
        grid.SetCellText(PairedNumberColumn(k), namesRow,
                         kNumberFieldTitles[static_cast<std::size_t>(k - 1)]);
        grid.SetCellText(PairedValueColumn(k), namesRow, texts.valueTitle);
    }
}

}  // namespace pirumo
