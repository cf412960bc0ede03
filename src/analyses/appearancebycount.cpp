#include "analyses/appearancebycount.h"

#include <algorithm>
#include <string>

namespace pirumo {

namespace {

constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kPaleYellow = MakeRgb(255, 255, 200);
constexpr Rgb kPalePink = MakeRgb(255, 200, 200);

void SetUpGrid(ResultGrid& grid, int rows) {
    grid.SetColumnCount(2);
    grid.SetRowCount(rows);
    grid.SetVisibleSize(2, rows);
    grid.SetHeadersVisible(false, false);
    // At most 32 rows, all shown by the auto-sized grid.
    grid.SetScrollBars(ScrollBars::None);

    grid.SetRowHeight(ResultGrid::kAll, 10);
    grid.SetColumnWidth(ResultGrid::kAll, 5);
    grid.SetColumnWidth(1, 5);
    grid.SetColumnWidth(2, 20);

    grid.Block(1, 1, 2, rows);
    grid.SetCellBorder(border::kAll);
    grid.Block(ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll);
    grid.SetCellType(CellType::StaticText);
    grid.SetAlignment(HAlign::Center);

    if (rows >= 2) {
        grid.Block(1, 2, 1, rows);
        grid.SetBackColor(kPaleYellow);
    }
    grid.SetBlockMode(false);

    grid.ActivateCell(0, 0);
}

void WriteCountHeaders(ResultGrid& grid, int rows) {
    grid.Cell(1, 1);
    grid.SetText("出 現");
    grid.SetBackColor(kPalePink);
    grid.Cell(2, 1);
    grid.SetText("数 字");
    grid.SetBackColor(kPalePink);

    // Long lists run on to the right. Every data row gets this, not only the rows up to the
    // highest count: with few draws that count is smaller than the number of rows.
    grid.SetAllowOverflow(true);
    if (rows >= 2) {
        grid.Block(2, 2, 2, rows);
        grid.SetForeColor(kBlue);
        grid.SetAlignment(HAlign::Left);
        grid.SetBlockMode(false);
    }
}

void FillCountRows(ResultGrid& grid, const DrawHistory& history) {
    const auto& groups = history.CountGroups();
    int row = 1;
    for (int count = 0; count <= history.MaxCount(); ++count) {
        // An empty history has no groups at all.
        if (static_cast<std::size_t>(count) >= groups.size()) {
            break;
        }
        const std::string& group = groups[static_cast<std::size_t>(count)];
        if (group.empty()) {
            continue;
        }
        ++row;
        grid.SetCellText(1, row, std::to_string(count) + "回");
        grid.SetCellText(2, row, group);
    }
}

}  // namespace

AnalysisWindowDescription AppearanceByCountWindow() {
    AnalysisWindowDescription description;
    description.name = "回数別出現分析";
    description.caption = "回数別頻度分析";
    description.label1 = "過去の当選番号から出現回数別の数字を分析します";
    description.label1Width = 3000;  // the narrow window's client width
    description.widthTwips = 3405;
    description.heightTwips = 7355;
    description.runAnalysis = [](const DrawHistory& history, ResultGrid& grid) {
        // The header row stays even when the history has no rows at all.
        const int rows = std::max(history.CountGroupRows(), 1);
        SetUpGrid(grid, rows);
        WriteCountHeaders(grid, rows);
        FillCountRows(grid, history);
    };
    return description;
}

}  // namespace pirumo
