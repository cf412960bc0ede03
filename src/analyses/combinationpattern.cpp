#include "analyses/combinationpattern.h"

#include <array>

namespace pirumo {

namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr Rgb kPaleYellow = MakeRgb(255, 255, 200);
constexpr Rgb kPaleCyan = MakeRgb(200, 255, 255);
constexpr Rgb kPaleRed = MakeRgb(255, 200, 200);
constexpr int kColumns = 10;

struct PatternLook {
    const char* letter;
    std::optional<Rgb> back;  // nullopt: the grid's default stays
};

constexpr std::array<PatternLook, 6> kPatterns{{
    {"A", std::nullopt},
    {"B", MakeRgb(200, 255, 255)},
    {"C", MakeRgb(200, 255, 200)},
    {"D", MakeRgb(255, 255, 200)},
    {"E", MakeRgb(255, 200, 255)},
    {"F", MakeRgb(255, 200, 200)},
}};

void SetUpGrid(ResultGrid& grid, int lastDrawNumber) {
    const int rows = lastDrawNumber + 1;
    grid.SetColumnCount(kColumns);
    grid.SetRowCount(rows);
    grid.SetVisibleSize(10, 51);
    grid.SetHeadersVisible(false, false);
    grid.SetScrollBars(ScrollBars::Vertical);

    grid.SetRowHeight(ResultGrid::kAll, 10);
    grid.SetRowHeight(1, 20);
    grid.SetColumnWidth(ResultGrid::kAll, 5);
    grid.SetColumnWidth(1, 6);
    grid.SetColumnWidth(10, 7);

    grid.Block(ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll);
    grid.SetCellType(CellType::StaticText);
    grid.SetAlignment(HAlign::Center);

    // Columns 8 and 9 repeat the colours of the two classes of number cells.
    if (rows >= 2) {
        grid.Block(1, 2, 1, rows);
        grid.SetForeColor(kRed);
        grid.SetBackColor(kPaleYellow);
        grid.Block(7, 2, 7, rows);
        grid.SetBackColor(kPaleYellow);
        grid.Block(8, 2, 8, rows);
        grid.SetForeColor(kBlue);
        grid.SetBackColor(kPaleCyan);
        grid.Block(9, 2, 9, rows);
        grid.SetForeColor(kBlue);
        grid.SetBackColor(kWhite);
    }

    grid.Block(1, 1, kColumns, rows);
    grid.SetCellBorder(border::kAll);

    grid.ActivateCell(0, 0);
}

void WriteHeaderRow(ResultGrid& grid, const CombinationPattern& pattern) {
    grid.Block(2, 1, 6, 1);
    grid.SetCellBorder(border::kNone);
    grid.SetCellBorder(border::kOutline);

    grid.Block(1, 1, kColumns, 1);
    grid.SetForeColor(kBlue);
    grid.SetBackColor(kPaleRed);

    grid.SetAllowOverflow(true);
    grid.Cell(3, 1);
    grid.SetText(pattern.mainHeader);
    grid.SetAlignment(HAlign::Left);
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
