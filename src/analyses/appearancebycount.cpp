#include "analyses/appearancebycount.h"

#include <algorithm>
#include <string>

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

void SetUpGrid(ResultGrid& grid, int rows) {
    // At most 32 rows, all shown by the auto-sized grid.
    ShapeGrid(grid, {.columns = 2,
                     .rows = rows,
                     .visibleColumns = 2,
                     .visibleRows = rows,
                     .scrollBars = ScrollBars::None});
    grid.SetColumnWidth(1, 5);
    grid.SetColumnWidth(2, 20);

    grid.Block(1, 1, 2, rows);
    grid.SetCellBorder(border::kAll);

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
    grid.SetBackColor(kPaleRed);
    grid.Cell(2, 1);
    grid.SetText("数 字");
    grid.SetBackColor(kPaleRed);

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

Analysis AppearanceByCountAnalysis() {
    Analysis analysis;
    analysis.name = "回数別出現分析";
    analysis.caption = "回数別頻度分析";
    analysis.summary = "過去の当選番号から出現回数別の数字を分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        // The header row stays even when the history has no rows at all.
        const int rows = std::max(history.CountGroupRows(), 1);
        SetUpGrid(grid, rows);
        WriteCountHeaders(grid, rows);
        FillCountRows(grid, history);
    };
    return analysis;
}

}  // namespace pirumo
