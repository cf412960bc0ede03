#include "analyses/appearancefrequencygrid.h"

#include <algorithm>
#include <vector>

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kRows = 33;          // title, column numbers, numbers 1..31
constexpr int kChartTitleRow = 2;  // the appearance ordinals over the dot columns
constexpr int kTitleColumn = 26;   // middle of the 51 visible columns

int RowOfNumber(int number) {
    return number + 2;
}

void SetUpGrid(ResultGrid& grid, int lastChartColumn) {
    ShapeGrid(grid, {.columns = lastChartColumn,
                     .rows = kRows,
                     .visibleColumns = 51,
                     .visibleRows = kRows,
                     .scrollBars = ScrollBars::Both,
                     .columnWidth = 2});
    grid.SetRowHeight(1, 15);
    grid.SetRowHeight(2, 15);
    grid.SetColumnWidth(1, 5);
    grid.SetColumnWidth(lastChartColumn, 5);

    grid.Block(1, 1, lastChartColumn, 1);
    grid.SetBackColor(kPaleYellow);
    grid.SetCellBorder(border::kOutline, kFrameBlue);
    grid.Block(1, 1, 1, 1);
    grid.SetCellBorder(border::kRight, kFrameBlue);
    grid.Block(lastChartColumn - 1, 1, lastChartColumn - 1, 1);
    grid.SetCellBorder(border::kRight, kFrameBlue);
    grid.SetBlockMode(false);

    // The title sits in the middle of the first screenful; a chart narrower than that has no
    // column for it and shows no title.
    grid.SetAllowOverflow(true);
    if (lastChartColumn >= kTitleColumn) {
        WriteOverflowTitle(grid, kTitleColumn, 1, "出 　現 　頻 　度（回）");
        grid.SetForeColor(kRed);
    }

    for (int column : {1, lastChartColumn}) {
        PaintBlock(grid, column, 1, column, kRows, kBlue, kPaleTurquoise);
    }

    grid.Block(1, 2, lastChartColumn, kRows);
    grid.SetCellBorder(border::kAll);

    if (lastChartColumn - 1 >= 2) {
        PaintBlock(grid, 2, 2, lastChartColumn - 1, 2, kRed, kPaleYellow);
    }
    grid.SetBlockMode(false);

    for (int n = 1; n <= 31; ++n) {
        grid.SetCellText(1, RowOfNumber(n), n);
        grid.SetCellText(lastChartColumn, RowOfNumber(n), n);
    }

    grid.ActivateCell(0, 0);
}

void WriteNumberTitles(ResultGrid& grid, int lastChartColumn) {
    grid.SetCellText(1, kChartTitleRow, "数字");
    grid.SetCellText(lastChartColumn, kChartTitleRow, "数字");
}

// Column k + 1 of a number's row holds its k-th appearance, and the title row above numbers the
// columns that some appearance reaches, each once.
void WriteDots(ResultGrid& grid, const AppearanceFrequencyResult& result, int lastChartColumn) {
    std::vector<bool> numbered(static_cast<std::size_t>(lastChartColumn) + 1);
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        for (const NumberAppearance& appearance : result.appearances[static_cast<std::size_t>(n)]) {
            const int column = appearance.earlierCount + 2;
            if (!numbered[static_cast<std::size_t>(column)]) {
                numbered[static_cast<std::size_t>(column)] = true;
                grid.SetCellText(column, kChartTitleRow, appearance.earlierCount + 1);
            }
            grid.SetCellText(column, RowOfNumber(n), "●");
            grid.Cell(column, RowOfNumber(n));
            grid.SetForeColor(appearance.bonus ? kBonusNumberMarkColour : kMainNumberMarkColour);
        }
    }
}

}  // namespace

void FillAppearanceFrequencyGrid(const AppearanceFrequencyResult& result, ResultGrid& grid) {
    const int chartWidth = *std::max_element(result.counts.begin() + 1, result.counts.end());
    const int lastChartColumn = chartWidth + 2;
    SetUpGrid(grid, lastChartColumn);
    WriteNumberTitles(grid, lastChartColumn);
    WriteDots(grid, result, lastChartColumn);
}

}  // namespace pirumo
