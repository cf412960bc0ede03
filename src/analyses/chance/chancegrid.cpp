#include "analyses/chance/chancegrid.h"

#include <string>

#include "analyses/analysiscolours.h"
#include "analyses/chance/chancewords.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 5;
constexpr int kHeadingRows = kChanceGridHeadingRows + 1;  // and a gap

int RowCountOf(const ChanceReport& report) {
    int rows = kHeadingRows;
    for (const ChanceTable& table : report.tables) {
        rows += 2 + static_cast<int>(table.figures.size()) + 1;  // title, header, figures, gap
    }
    return rows;
}

std::string RangeText(const ChanceFigure& figure) {
    return ChanceNumber(figure.low) + "～" + ChanceNumber(figure.high);
}

void WriteFigure(ResultGrid& grid, int row, const ChanceFigure& figure) {
    grid.SetCellText(1, row, figure.label);
    grid.SetCellText(2, row, ChanceNumber(figure.observed));
    grid.SetCellText(3, row, ChanceNumber(figure.expected));
    grid.SetCellText(4, row, RangeText(figure));
    if (figure.observed > figure.high) {
        grid.SetCellText(5, row, "▲ 多い");
        PaintBlock(grid, 1, row, kColumns, row, kRed, kPaleRed);
    } else if (figure.observed < figure.low) {
        grid.SetCellText(5, row, "▼ 少ない");
        PaintBlock(grid, 1, row, kColumns, row, kBlue, kPaleCyan);
    }
}

}  // namespace

std::string ChanceTestLine(const ChanceTest& test) {
    if (!test.performed) {
        return test.name;
    }
    std::string line = test.name + ": 統計量 " + ChanceNumber(test.statistic, 2);
    if (test.degreesOfFreedom > 0) {
        line += "（自由度 " + std::to_string(test.degreesOfFreedom) + "）";
    }
    return line + "、p = " + ChanceNumber(test.pValue, test.pValue < 0.001 ? 5 : 3);
}

void FillChanceGrid(const ChanceReport& report, ResultGrid& grid) {
    const int rows = RowCountOf(report);
    ShapeGrid(grid, {.columns = kColumns,
                     .rows = rows,
                     .visibleColumns = kColumns,
                     .visibleRows = 30,
                     .rowHeight = 12,
                     .columnWidth = 12});
    grid.SetColumnWidth(1, 16);
    grid.SetColumnWidth(4, 14);

    WriteOverflowTitle(grid, 1, 1, ChanceTestLine(report.test));
    WriteOverflowTitle(grid, 1, 2, report.test.verdict);
    WriteOverflowTitle(grid, 1, 3, ChanceOutsideLine(report));
    WriteOverflowTitle(grid, 1, 4, ChanceReminder());

    int row = kHeadingRows + 1;
    for (const ChanceTable& table : report.tables) {
        WriteOverflowTitle(grid, 1, row,
                           table.title + "（" + std::to_string(report.draws) + " 回の抽せん）");
        ++row;
        const int header = row;
        grid.SetCellText(1, header, "項目");
        grid.SetCellText(2, header, "実際（" + table.unit + "）");
        grid.SetCellText(3, header, "期待値");
        grid.SetCellText(4, header, "95 % の範囲");
        grid.SetCellText(5, header, "判定");
        PaintBlock(grid, 1, header, kColumns, header, kBlack, kGrey);
        ++row;
        for (const ChanceFigure& figure : table.figures) {
            WriteFigure(grid, row, figure);
            ++row;
        }
        grid.Block(1, header, kColumns, row - 1);
        grid.SetCellBorder(border::kAll);
        ++row;
    }
    grid.ActivateCell(0, 0);
}

}  // namespace pirumo
