#include "analyses/pairedcolumngrid.h"

#include <array>

namespace pirumo {

namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlack = MakeRgb(0, 0, 0);
constexpr Rgb kPaleYellow = MakeRgb(255, 255, 200);
constexpr Rgb kPaleCyan = MakeRgb(200, 255, 255);
constexpr Rgb kPalePink = MakeRgb(255, 200, 200);

}  // namespace

void SetUpPairedColumnGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + 4;
    grid.SetColumnCount(kPairedColumnCount);
    grid.SetRowCount(rows);
    grid.SetVisibleSize(13, 52);
    grid.SetHeadersVisible(false, false);
    grid.SetScrollBars(ScrollBars::Vertical);

    grid.SetRowHeight(ResultGrid::kAll, 10);
    grid.SetRowHeight(1, 15);
    grid.SetRowHeight(2, 12);
    grid.SetColumnWidth(ResultGrid::kAll, 5);

    grid.Block(ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll);
    grid.SetCellType(CellType::StaticText);
    grid.SetAlignment(HAlign::Center);

    grid.Block(1, 1, 1, rows);
    grid.SetForeColor(kRed);
    grid.SetBackColor(kPaleYellow);

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

    grid.Block(2, firstRow, 13, firstRow + 1);
    grid.SetForeColor(kBlack);
    grid.SetBackColor(kPalePink);
    grid.SetBlockMode(false);

    grid.SetAllowOverflow(true);
    grid.Cell(6, bandRow);
    grid.SetText(texts.mainBand);
    grid.SetAlignment(HAlign::Left);
    grid.Cell(12, bandRow);
    grid.SetText("     ボ数字   　   ");
    grid.SetAlignment(HAlign::Left);

    static constexpr std::array<const char*, 6> kNames{"第1数字", "第2数字", "第3数字",
                                                       "第4数字", "第5数字", "ボ数字"};
    grid.SetCellText(1, namesRow, "回数");
    for (int k = 1; k <= 6; ++k) {
        grid.SetCellText(PairedNumberColumn(k), namesRow, kNames[static_cast<std::size_t>(k - 1)]);
        grid.SetCellText(PairedValueColumn(k), namesRow, texts.valueTitle);
    }
}

}  // namespace pirumo
