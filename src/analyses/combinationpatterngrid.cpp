#include "analyses/combinationpatterngrid.h"

#include <array>

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 10;

// Back colour of each pattern's letter; nullopt: the grid's default stays.
constexpr std::array<std::optional<Rgb>, 6> kPatternBacks{
    std::nullopt, kPaleCyan, kPaleGreen, kPaleYellow, kPaleMagenta, kPaleRed,
};

void SetUpGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + 1;
    ShapeGrid(grid, {.columns = kColumns, .rows = rows, .visibleColumns = 10, .visibleRows = 51});
    grid.SetRowHeight(1, 20);
    grid.SetColumnWidth(1, 6);
    grid.SetColumnWidth(10, 9);  // パターン whole

    // Columns 8 and 9 repeat the colours of the two classes of number cells.
    if (rows >= 2) {
        PaintBlock(grid, 1, 2, 1, rows, kRed, kPaleYellow);
        grid.Block(7, 2, 7, rows);
        grid.SetBackColor(kPaleYellow);
        PaintBlock(grid, 8, 2, 8, rows, kBlue, kPaleCyan);
        PaintBlock(grid, 9, 2, 9, rows, kBlue, kWhite);
    }

    grid.Block(1, 1, kColumns, rows);
    grid.SetCellBorder(border::kAll);

    grid.ActivateCell(0, 0);
}

void WriteHeaderRow(ResultGrid& grid, const CombinationPatternLook& look) {
    FrameAsOneCell(grid, 2, 1, 6, 1);
    PaintBlock(grid, 1, 1, kColumns, 1, kBlue, kPaleRed);
    WriteOverflowTitle(grid, 3, 1, look.mainHeader);
    grid.SetRowHeight(1, 20);

    grid.SetCellText(1, 1, "回数");
    grid.SetCellText(7, 1, "ボ数");
    grid.SetCellText(8, 1, look.firstTitle);
    grid.SetCellText(9, 1, look.secondTitle);
    grid.SetCellText(10, 1, "パターン");
}

void ShowPattern(ResultGrid& grid, int pattern, int column, int row) {
    const auto index = static_cast<std::size_t>(pattern);
    grid.Cell(column, row);
    if (kPatternBacks[index]) {
        grid.SetBackColor(*kPatternBacks[index]);
    }
    grid.SetText(kCombinationPatternLetters[index]);
}

// No number cell starts pale cyan, but the second class's colour may be what a cell already has
// from the set-up; such a cell is left alone.
void MarkNumber(ResultGrid& grid, const CombinationPatternLook& look, bool inFirstClass, int column,
                int row) {
    if (inFirstClass) {
        grid.Cell(column, row);
        grid.SetBackColor(kPaleCyan);
    } else if (look.secondClassBack && grid.StyleAt(column, row).back != *look.secondClassBack) {
        grid.Cell(column, row);
        grid.SetBackColor(*look.secondClassBack);
    }
}

// Valid draws fill the rows from row 2 in turn, so skipped draws leave empty rows at the bottom.
void WriteDrawRows(ResultGrid& grid, const CombinationPatternLook& look,
                   const CombinationPatternResult& result) {
    int row = 2;
    for (const CombinationPatternRow& draw : result.draws) {
        grid.SetCellText(1, row, draw.drawNumber);
        for (int j = 0; j < 5; ++j) {
            const auto i = static_cast<std::size_t>(j);
            grid.SetCellText(j + 2, row, draw.numbers[i]);
            MarkNumber(grid, look, draw.inFirstClass[i], j + 2, row);
        }
        grid.SetCellText(7, row, draw.numbers[Draw::kBonusIndex]);
        if (look.marksBonus) {
            MarkNumber(grid, look, draw.inFirstClass[Draw::kBonusIndex], 7, row);
        }
        grid.SetCellText(8, row, draw.firstCount);
        grid.SetCellText(9, row, draw.secondCount);
        ShowPattern(grid, draw.pattern, 10, row);
        ++row;
    }
}

}  // namespace

void FillCombinationPatternGrid(const CombinationPatternResult& result,
                                const CombinationPatternLook& look, ResultGrid& grid) {
    SetUpGrid(grid, result.lastDrawNumber);
    WriteHeaderRow(grid, look);
    WriteDrawRows(grid, look, result);
}

}  // namespace pirumo
