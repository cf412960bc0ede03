#include "analyses/appearancecount.h"

#include <array>

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"
#include "history/draw.h"

namespace pirumo {

namespace {

constexpr int kColumns = 13;
constexpr int kFirstDataRow = 3;

void SetUpGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + 2;
    ShapeGrid(grid, {.columns = kColumns, .rows = rows, .visibleColumns = 13, .visibleRows = 52});
    grid.SetRowHeight(1, 15);
    grid.SetRowHeight(2, 12);

    PaintBlock(grid, 1, 1, 1, rows, kRed, kPaleYellow);

    grid.Block(1, 1, kColumns, rows);
    grid.SetCellBorder(border::kAll);

    grid.ActivateCell(0, 0);
}

void WriteHeaderRows(ResultGrid& grid) {
    PaintBlock(grid, 2, 1, 7, 2, kBlue, kPaleCyan);
    PaintBlock(grid, 8, 1, 13, 2, kRed, kPaleGreen);

    grid.SetRowHeight(1, 20);

    // Each half of row 1 reads as one merged cell.
    grid.Block(2, 1, 7, 1);
    grid.SetCellBorder(border::kNone);
    grid.Block(8, 1, 13, 1);
    grid.SetCellBorder(border::kNone);
    grid.Block(7, 1, 7, 1);
    grid.SetCellBorder(border::kRight);
    grid.Block(13, 1, 13, 1);
    grid.SetCellBorder(border::kRight);
    grid.SetBlockMode(false);

    WriteOverflowTitle(grid, 4, 1, "  当 選 数 字");
    grid.Cell(11, 1);
    grid.SetText("前回までの出現回数合計(回)");
    grid.SetAlignment(HAlign::Center);

    grid.SetCellText(1, 2, "回数");
    for (int i = 0; i < 6; ++i) {
        grid.SetCellText(2 + i, 2, kNumberFieldTitles[static_cast<std::size_t>(i)]);
        grid.SetCellText(8 + i, 2, kNumberFieldTitles[static_cast<std::size_t>(i)]);
    }
}

void FillAppearanceRows(ResultGrid& grid, const DrawHistory& history) {
    std::array<int, 32> runningCounts{};
    int row = kFirstDataRow;
    history.ForEachValidDraw([&](const Draw& draw) {
        grid.SetCellText(1, row, draw.drawNumber);
        for (int i = 0; i < Draw::kFieldCount; ++i) {
            const int number = draw.numbers[static_cast<std::size_t>(i)];
            grid.SetCellText(2 + i, row, number);
            grid.SetCellText(8 + i, row, runningCounts[static_cast<std::size_t>(number)]);
        }
        for (auto number : draw.numbers) {
            ++runningCounts[static_cast<std::size_t>(number)];
        }
        ++row;
    });
}

}  // namespace

Analysis AppearanceCountAnalysis() {
    Analysis analysis;
    analysis.name = "出現回数分析";
    analysis.caption = "出現回数分析";
    analysis.summary = "過去の当選数字が何回出現したか分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        SetUpGrid(grid, history.LastDrawNumber());
        WriteHeaderRows(grid);
        FillAppearanceRows(grid, history);
    };
    return analysis;
}

}  // namespace pirumo
