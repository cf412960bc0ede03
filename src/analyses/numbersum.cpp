#include "analyses/numbersum.h"

namespace pirumo {

namespace {

constexpr Rgb kBlack = MakeRgb(0, 0, 0);
constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kPaleYellow = MakeRgb(255, 255, 200);
constexpr Rgb kPaleCyan = MakeRgb(200, 255, 255);
constexpr Rgb kPaleRed = MakeRgb(255, 200, 200);
constexpr int kColumns = 9;

void SetUpGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + 1;
    grid.SetColumnCount(kColumns);
    grid.SetRowCount(rows);
    grid.SetVisibleSize(9, 51);
    grid.SetHeadersVisible(false, false);
    grid.SetScrollBars(ScrollBars::Vertical);

    grid.SetRowHeight(ResultGrid::kAll, 10);
    grid.SetRowHeight(1, 20);
    grid.SetColumnWidth(ResultGrid::kAll, 5);
    grid.SetColumnWidth(7, 8);
    grid.SetColumnWidth(8, 7);
    grid.SetColumnWidth(9, 10);

    grid.Block(ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll);
    grid.SetCellType(CellType::StaticText);
    grid.SetAlignment(HAlign::Center);

    if (rows >= 2) {
        grid.Block(1, 2, 1, rows);
        grid.SetForeColor(kRed);
        grid.SetBackColor(kPaleYellow);
        for (int column : {7, 9}) {
            grid.Block(column, 2, column, rows);
            grid.SetForeColor(kBlue);
            grid.SetBackColor(kPaleCyan);
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

    grid.Block(1, 1, kColumns, 1);
    grid.SetForeColor(kBlack);
    grid.SetBackColor(kPaleRed);

    grid.SetAllowOverflow(true);
    grid.Cell(4, 1);
    grid.SetText("本 数 字");
    grid.SetAlignment(HAlign::Left);
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

AnalysisWindowDescription NumberSumWindow() {
    AnalysisWindowDescription description;
    description.name = "数字合計分析";
    description.caption = "数字合計分析";
    description.label1 = "過去の当選番号の本数字＋ボーナス数字合計を分析します";
    description.widthTwips = 7350;
    description.heightTwips = 13680;
    description.runAnalysis = [](const DrawHistory& history, ResultGrid& grid) {
        SetUpGrid(grid, history.LastDrawNumber());
        WriteHeaderRow(grid);
        FillDrawRows(grid, history);
    };
    return description;
}

}  // namespace pirumo
