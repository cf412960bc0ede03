#include "analyses/appearancefrequency.h"

#include <algorithm>
#include <array>

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kRows = 33;         // title, column numbers, numbers 1..31
constexpr int kTitleColumn = 26;  // middle of the 51 visible columns

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

void WriteNumberTitles(ResultGrid& grid, int chartTitleRow, int lastChartColumn) {
    grid.SetCellText(1, chartTitleRow, "数字");
    grid.SetCellText(lastChartColumn, chartTitleRow, "数字");
}

// Column k + 1 of a number's row holds its k-th appearance, oldest first.
void FillDots(ResultGrid& grid, const DrawHistory& history) {
    std::array<int, 32> dotCounts{};
    auto dotsOf = [&](int number) -> int& { return dotCounts[static_cast<std::size_t>(number)]; };
    history.ForEachValidDraw([&](const Draw& draw) {
        for (auto v : draw.numbers) {
            grid.SetCellText(dotsOf(v) + 2, 2, dotsOf(v) + 1);
        }
        for (auto v : draw.numbers) {
            grid.SetCellText(dotsOf(v) + 2, RowOfNumber(v), "●");
        }
        for (int i = 0; i < Draw::kFieldCount; ++i) {
            const int v = draw.numbers[static_cast<std::size_t>(i)];
            grid.Cell(dotsOf(v) + 2, RowOfNumber(v));
            grid.SetForeColor(i == Draw::kBonusIndex ? kBonusNumberMarkColour
                                                     : kMainNumberMarkColour);
        }
        for (auto v : draw.numbers) {
            ++dotsOf(v);
        }
    });
}

}  // namespace

Analysis AppearanceFrequencyAnalysis() {
    Analysis analysis;
    analysis.name = "出現頻度分析";
    analysis.caption = "出現頻度分析";
    analysis.summary = "過去の当選番号の出現回数を数字別に分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        const int chartTitleRow = 2;
        const auto& counts = history.NumberCounts();
        const int chartWidth = *std::max_element(counts.begin() + 1, counts.end());
        const int lastChartColumn = chartWidth + 2;
        SetUpGrid(grid, lastChartColumn);
        WriteNumberTitles(grid, chartTitleRow, lastChartColumn);
        FillDots(grid, history);
    };
    return analysis;
}

}  // namespace pirumo
