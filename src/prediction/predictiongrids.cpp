#include "prediction/predictiongrids.h"

namespace pirumo {

namespace {

constexpr int kColumns = 6;
constexpr int kFirstValueColumn = 2;
constexpr int kFirstValueRow = 2;
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kHeaderBack = MakeRgb(255, 200, 200);
// 19 blanks, 本 数 字, 26 blanks: placed to stand over the five value columns.
constexpr std::string_view kHeaderText = "                   本 数 字                          ";

void WriteColumnOneLabels(ResultGrid& grid, int index) {
    switch (index) {
        case kCycleGrid:
            grid.SetCellText(1, 2, " 7回周期法");
            grid.SetCellText(1, 3, " 9回周期法");
            grid.SetCellText(1, 4, "11回周期法");
            grid.SetCellText(1, 5, "12回周期法");
            break;
        case kEliminationGrid:
            grid.SetCellText(1, 3, "消去法");
            break;
        case kRapidFireGrid:
            grid.SetCellText(1, 2, "連発予想");
            break;
        default:
            grid.SetCellText(1, 2, "１発予想");
            break;
    }
}

}  // namespace

int PredictionGridRows(int index) {
    static constexpr std::array<int, kPredictionGridCount> kRows{5, 4, 3, 2};
    return kRows[static_cast<std::size_t>(index)];
}

void SetUpPredictionGrid(ResultGrid& grid, int index) {
    const int rows = PredictionGridRows(index);
    grid.SetColumnCount(kColumns);
    grid.SetRowCount(rows);
    grid.SetVisibleSize(kColumns, rows);
    grid.SetHeadersVisible(false, false);
    grid.SetScrollBars(ScrollBars::None);

    grid.SetRowHeight(ResultGrid::kAll, 10.0);
    grid.SetColumnWidth(ResultGrid::kAll, 5.0);
    grid.SetColumnWidth(1, 8.0);

    grid.Block(ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll);
    grid.SetCellType(CellType::StaticText);
    grid.SetAlignment(HAlign::Center);

    if (index == kCycleGrid) {
        grid.Block(1, 1, kColumns, rows);
        grid.SetCellBorder(border::kTop | border::kBottom);
        grid.Block(1, 1, 1, rows);
        grid.SetCellBorder(border::kTop | border::kBottom | border::kRight);
    } else {
        grid.Block(1, 1, kColumns, rows);
        grid.SetCellBorder(border::kAll);
    }
    grid.SetBlockMode(false);

    WriteColumnOneLabels(grid, index);
    grid.ActivateCell(0, 0);
}

void DrawPredictionHeader(ResultGrid& grid, int index) {
    grid.Block(kFirstValueColumn, 1, kColumns, 1);
    grid.SetCellBorder(border::kNone);
    grid.Block(1, 1, kColumns, 1);
    grid.SetForeColor(kBlue);
    grid.SetBackColor(kHeaderBack);
    if (index == kEliminationGrid || index == kRapidFireGrid) {
        grid.Block(1, kFirstValueRow, 1, PredictionGridRows(index));
        grid.SetCellBorder(border::kNone);
    }
    grid.SetBlockMode(false);

    grid.SetAllowOverflow(true);
    grid.Cell(kFirstValueColumn, 1);
    grid.SetText(kHeaderText);
    grid.SetAlignment(HAlign::Left);
    grid.ActivateCell(0, 0);
}

void ClearValueCells(ResultGrid& grid, int index) {
    grid.Block(kFirstValueColumn, kFirstValueRow, kColumns, PredictionGridRows(index));
    grid.ClearBlockTexts();
    grid.SetAlignment(HAlign::Center);
    grid.SetBlockMode(false);
}

bool IsNotInGrid(const ResultGrid& grid, int index, std::string_view text) {
    const int lastRow = index == kRapidFireGrid ? 3 : 2;
    for (int column = kFirstValueColumn; column <= kColumns; ++column) {
        for (int row = kFirstValueRow; row <= lastRow; ++row) {
            if (grid.CellText(column, row) == text) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace pirumo
