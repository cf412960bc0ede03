#include "analyses/combinationpattern.h"

#include <array>

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 10;

struct PatternLook {
    const char* letter;
    std::optional<Rgb> back;  // nullopt: the grid's default stays
};

constexpr std::array<PatternLook, 6> kPatterns{{
    {"A", std::nullopt},
    {"B", kPaleCyan},
    {"C", kPaleGreen},
    {"D", kPaleYellow},
    {"E", kPaleMagenta},
    {"F", kPaleRed},
}};

void SetUpGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + 1;
    ShapeGrid(grid, {.columns = kColumns, .rows = rows, .visibleColumns = 10, .visibleRows = 51});
    grid.SetRowHeight(1, 20);
    grid.SetColumnWidth(1, 6);
    grid.SetColumnWidth(10, 7);

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

void WriteHeaderRow(ResultGrid& grid, const CombinationPattern& pattern) {
    FrameAsOneCell(grid, 2, 1, 6, 1);
    PaintBlock(grid, 1, 1, kColumns, 1, kBlue, kPaleRed);
    WriteOverflowTitle(grid, 3, 1, pattern.mainHeader);
    grid.SetRowHeight(1, 20);

    grid.SetCellText(1, 1, "回数");
    grid.SetCellText(7, 1, "ボ数");
    grid.SetCellText(8, 1, pattern.firstTitle);
    grid.SetCellText(9, 1, pattern.secondTitle);
    grid.SetCellText(10, 1, "パターン");
}

void ShowPattern(ResultGrid& grid, int index, int column, int row) {
    const PatternLook& look = kPatterns[static_cast<std::size_t>(index)];
    grid.Cell(column, row);
    if (look.back) {
        grid.SetBackColor(*look.back);
    }
    grid.SetText(look.letter);
}

void MarkNumber(ResultGrid& grid, const CombinationPattern& pattern, int number, int column,
                int row) {
    if (pattern.inFirstClass(number)) {
        grid.Cell(column, row);
        grid.SetBackColor(kPaleCyan);
    } else if (pattern.secondClassBack) {
        grid.Cell(column, row);
        grid.SetBackColor(*pattern.secondClassBack);
    }
}

void FillDrawRows(ResultGrid& grid, const CombinationPattern& pattern, const DrawHistory& history) {
    int row = 2;
    history.ForEachValidDraw([&](const Draw& draw) {
        grid.SetCellText(1, row, draw.drawNumber);
        for (int j = 0; j < 5; ++j) {
            grid.SetCellText(j + 2, row, draw.Main(j));
            MarkNumber(grid, pattern, draw.Main(j), j + 2, row);
        }
        grid.SetCellText(7, row, draw.Bonus());
        if (pattern.marksBonus) {
            MarkNumber(grid, pattern, draw.Bonus(), 7, row);
        }

        int first = 0;
        for (int j = 0; j < 5; ++j) {
            if (pattern.inFirstClass(draw.Main(j))) {
                ++first;
            }
        }
        const int second = 5 - first;
        grid.SetCellText(8, row, first);
        grid.SetCellText(9, row, second);
        ShowPattern(grid, pattern.patternFromSecond ? second : first, 10, row);
        ++row;
    });
}

}  // namespace

void RunCombinationPatternAnalysis(const CombinationPattern& pattern, const DrawHistory& history,
                                   ResultGrid& grid) {
    SetUpGrid(grid, history.LastDrawNumber());
    WriteHeaderRow(grid, pattern);
    FillDrawRows(grid, pattern, history);
}

}  // namespace pirumo
