#include "analyses/numbersum.h"

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 9;

void SetUpGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + 1;
    ShapeGrid(grid, {.columns = kColumns, .rows = rows, .visibleColumns = 9, .visibleRows = 51});
    grid.SetRowHeight(1, 20);
    grid.SetColumnWidth(7, 8);
    grid.SetColumnWidth(8, 7);
    grid.SetColumnWidth(9, 10);

    if (rows >= 2) {
        PaintBlock(grid, 1, 2, 1, rows, kRed, kPaleYellow);
        for (int column : {7, 9}) {
            PaintBlock(grid, column, 2, column, rows, kBlue, kPaleCyan);
        }
    }

    grid.Block(1, 1, kColumns, rows);
    grid.SetCellBorder(border::kAll);

    grid.ActivateCell(0, 0);
}

void WriteHeaderRow(ResultGrid& grid) {
    grid.Block(2, 1, 6, 1);
    grid.SetCellBorder(border::kNone);
    grid.Block(2, 1, 8, 1);
    grid.SetCellBorder(border::kOutline);

    PaintBlock(grid, 1, 1, kColumns, 1, kBlack, kPaleRed);

    WriteOverflowTitle(grid, 4, 1, "本 数 字");
    grid.SetRowHeight(1, 20);

    grid.SetCellText(1, 1, "回数");
    grid.SetCellText(7, 1, "本数字合計");
    grid.SetCellText(8, 1, "ボ数字");
    grid.SetCellText(9, 1, "本数字+ボ数字");
}

void FillDrawRows(ResultGrid& grid, const DrawHistory& history) {
    int row = 2;
    history.ForEachValidDraw([&](const Draw& draw) {
        grid.SetCellText(1, row, draw.drawNumber);
        int mainTotal = 0;
        for (int i = 0; i < 5; ++i) {
            grid.SetCellText(2 + i, row, draw.Main(i));
            mainTotal += draw.Main(i);
        }
        grid.SetCellText(7, row, mainTotal);
        grid.SetCellText(8, row, draw.Bonus());
        grid.SetCellText(9, row, mainTotal + draw.Bonus());
        ++row;
    });
}

}  // namespace

Analysis NumberSumAnalysis() {
    Analysis analysis;
    analysis.name = "数字合計分析";
    analysis.caption = "数字合計分析";
    analysis.summary = "過去の当選番号の本数字＋ボーナス数字合計を分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        SetUpGrid(grid, history.LastDrawNumber());
        WriteHeaderRow(grid);
        FillDrawRows(grid, history);
    };
    return analysis;
}

}  // namespace pirumo
