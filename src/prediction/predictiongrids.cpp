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

// The 本 数 字 band, then the method's rows.
int PredictionGridRows(int index) {
    return 1 + kMethodRows[static_cast<std::size_t>(index)];
}

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

void SetUpPredictionGrid(ResultGrid& grid, int index) {
    const int rows = PredictionGridRows(index);
    grid.SetColumnCount(kColumns);
    grid.SetRowCount(rows);
    grid.SetVisibleSize(kColumns, rows);
    grid.SetHeadersVisible(false, false);
    grid.SetScrollBars(ScrollBars::None);

    grid.SetRowHeight(ResultGrid::kAll, 10.0);
    grid.SetColumnWidth(ResultGrid::kAll, 5.0);
    grid.SetColumnWidth(1, 9.0);  // 11回周期法 whole, also beside empty cells

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

void WriteNumbers(const GaruponPrediction& prediction, int index, ResultGrid& grid) {
    if (index == kCycleGrid) {
        for (int slot = 0; slot < CycleTable::kSlots; ++slot) {
            for (int position = 1; position <= CycleTable::kMainPositions; ++position) {
                if (const int n = prediction.cycles.At(slot, position); n != 0) {
                    grid.SetCellText(position + 1, slot + kFirstValueRow, n);
                }
            }
        }
        return;
    }
    const PredictionRows rows = prediction.Rows(index);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t k = 0; k < rows[r].size(); ++k) {
            grid.SetCellText(kFirstValueColumn + static_cast<int>(k),
                             kFirstValueRow + static_cast<int>(r), rows[r][k]);
        }
    }
}

}  // namespace

void FillPredictionGrid(const GaruponPrediction& prediction, int index, ResultGrid& grid) {
    grid = ResultGrid();
    SetUpPredictionGrid(grid, index);
    DrawPredictionHeader(grid, index);
    WriteNumbers(prediction, index, grid);
}

}  // namespace pirumo
