#include "analyses/appearancebycountgrid.h"

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

// "1,2,3": the numbers joined by commas.
std::string NumberList(const std::vector<int>& numbers) {
    std::string list;
    for (int n : numbers) {
        if (!list.empty()) {
            list += ',';
        }
        list += std::to_string(n);
    }
    return list;
}

void WriteCountRows(ResultGrid& grid, const AppearanceByCountResult& result) {
    int row = 1;
    for (const CountGroup& group : result.groups) {
        ++row;
        grid.SetCellText(1, row, std::to_string(group.count) + "回");
        grid.SetCellText(2, row, NumberList(group.numbers));
    }
}

}  // namespace

void FillAppearanceByCountGrid(const AppearanceByCountResult& result, ResultGrid& grid) {
    // The header row stays even when there is no group.
    const int rows = 1 + static_cast<int>(result.groups.size());
    SetUpGrid(grid, rows);
    WriteCountHeaders(grid, rows);
    WriteCountRows(grid, result);
}

}  // namespace pirumo
