#include "analyses/carryover.h"

#include <array>

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 7;  // draw number, five main numbers, bonus number
constexpr int kFirstDataRow = 2;

void SetUpGrid(ResultGrid& grid, int rows) {
    ShapeGrid(grid, {.columns = kColumns,
                     .rows = rows,
                     .visibleColumns = 7,
                     .visibleRows = 51,
                     .columnWidth = 7});
    grid.SetRowHeight(1, 15);
    grid.SetColumnWidth(7, 9);

    PaintBlock(grid, 1, 1, 1, rows, kRed, kPaleYellow);

    grid.Block(1, 1, kColumns, rows);
    grid.SetCellBorder(border::kAll);
    grid.SetBlockMode(false);

    grid.ActivateCell(0, 0);
}

void WriteHeaderRow(ResultGrid& grid) {
    grid.SetRowHeight(1, 15);

    // The five main-number columns read as one header block.
    grid.Block(2, 1, 6, 1);
    grid.SetCellBorder(border::kNone);
    grid.SetCellBorder(border::kBottom);

    PaintBlock(grid, 1, 1, kColumns, 1, kBlack, kPaleRed);
    grid.SetBlockMode(false);

    grid.SetCellText(1, 1, "回数");
    WriteOverflowTitle(grid, 4, 1, " 本 数 字         ");
    grid.SetCellText(7, 1, "ボーナス数字");
}

void HighlightCell(ResultGrid& grid, int column, int row) {
    grid.Cell(column, row);
    grid.SetBackColor(kCarriedColour);
}

// A number is carried over when the previous valid draw had it, as a main or the bonus number.
void FillDrawRows(ResultGrid& grid, const DrawHistory& history) {
    const int lastDataRow = history.LastDrawNumber() + 1;
    std::array<int, Draw::kFieldCount> previous{};
    int row = kFirstDataRow;
    history.ForEachValidDraw([&](const Draw& draw) {
        if (row > lastDataRow) {
            return;
        }
        grid.SetCellText(1, row, draw.drawNumber);
        for (int i = 0; i < Draw::kFieldCount; ++i) {
            grid.SetCellText(2 + i, row, draw.numbers[static_cast<std::size_t>(i)]);
        }
        for (int slot : previous) {
            for (int i = 0; i < Draw::kFieldCount; ++i) {
                if (draw.numbers[static_cast<std::size_t>(i)] == slot) {
                    HighlightCell(grid, 2 + i, row);
                }
            }
        }
        for (std::size_t i = 0; i < previous.size(); ++i) {
            previous[i] = draw.numbers[i];
        }
        ++row;
    });
}

}  // namespace

Analysis CarryOverAnalysis() {
    Analysis analysis;
    analysis.name = "引っ張り分析";
    analysis.caption = "引っ張り分析";
    analysis.summary = "過去の当選数字に前回の数字が入っているか分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        const int rows = history.LastDrawNumber() + 1;
        SetUpGrid(grid, rows);
        WriteHeaderRow(grid);
        FillDrawRows(grid, history);
    };
    return analysis;
}

}  // namespace pirumo
