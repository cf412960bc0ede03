#include "analyses/consecutive.h"

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 12;
constexpr int kRightHalf = 6;  // column offset of the skip-one half

void SetUpGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + 1;
    ShapeGrid(grid, {.columns = kColumns,
                     .rows = rows,
                     .visibleColumns = 12,
                     .visibleRows = 51,
                     .columnWidth = 4});

    for (int column : {1, 1 + kRightHalf}) {
        PaintBlock(grid, column, 1, column, rows, kRed, kPaleYellow);
    }

    grid.Block(1, 1, kColumns, rows);
    grid.SetCellBorder(border::kAll);

    grid.ActivateCell(0, 0);
}

void WriteHeaderRow(ResultGrid& grid) {
    // Each run of number columns in row 1 reads as one header block.
    FrameAsOneCell(grid, 2, 1, 6, 1);
    FrameAsOneCell(grid, 8, 1, 12, 1);

    grid.Block(2, 1, 6, 1);
    grid.SetBackColor(kPaleMagenta);
    grid.Block(8, 1, 12, 1);
    grid.SetBackColor(kPaleRed);

    grid.SetCellText(1, 1, "回数");
    WriteOverflowTitle(grid, 3, 1, "　　連番(本数字)");
    grid.SetCellText(7, 1, "回数");
    WriteOverflowTitle(grid, 9, 1, "　飛び石(本数字)");
}

// Colours the two cells of a pair: cyan for a consecutive pair, green for a skip-one pair.
void MarkPair(ResultGrid& grid, bool consecutive, int column, int row) {
    grid.Block(column, row, column + 1, row);
    grid.SetBackColor(consecutive ? kPaleCyan : kPaleGreen);
}

void MarkIfNone(ResultGrid& grid, int count, int column, int row) {
    if (count == 0) {
        grid.Cell(column, row);
        grid.SetBackColor(kGrey);
    }
}

// Writes one half of a draw row and marks the neighbouring fields that differ by `step`.
void FillHalf(ResultGrid& grid, const Draw& draw, int firstColumn, int step, int row) {
    grid.SetCellText(firstColumn, row, draw.drawNumber);
    for (int i = 0; i < 5; ++i) {
        grid.SetCellText(firstColumn + 1 + i, row, draw.Main(i));
    }
    int pairs = 0;
    for (int i = 0; i < 4; ++i) {
        if (draw.Main(i) + step == draw.Main(i + 1)) {
            ++pairs;
            MarkPair(grid, step == 1, firstColumn + 1 + i, row);
        }
    }
    MarkIfNone(grid, pairs, firstColumn, row);
}

void FillDrawRows(ResultGrid& grid, const DrawHistory& history) {
    int row = 2;
    history.ForEachValidDraw([&](const Draw& draw) {
        FillHalf(grid, draw, 1, 1, row);
        FillHalf(grid, draw, 1 + kRightHalf, 2, row);
        ++row;
    });
}

}  // namespace

Analysis ConsecutiveAnalysis() {
    Analysis analysis;
    analysis.name = "連番飛び石分析";
    analysis.caption = "連番・飛び石分析";
    analysis.summary = "過去の当選番号の連続数字と一つ飛び数字の傾向を分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        SetUpGrid(grid, history.LastDrawNumber());
        WriteHeaderRow(grid);
        FillDrawRows(grid, history);
    };
    return analysis;
}

}  // namespace pirumo
