#include "analyses/pairsgrid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "analyses/analysiscolours.h"
#include "analyses/gridsetup.h"

namespace pirumo {

namespace {

constexpr int kColumns = 6;
constexpr int kFirstDataRow = 2;

std::string Fixed1(double value, bool sign) {
    char text[32];
    std::snprintf(text, sizeof text, sign ? "%+.1f" : "%.1f", value);
    return text;
}

std::vector<const PairCount*> InOrder(const PairResult& result, PairOrder order) {
    std::vector<const PairCount*> rows;
    for (const PairCount& pair : result.pairs) {
        rows.push_back(&pair);
    }
    // Ties keep the order of the pairs.
    if (order == PairOrder::ByCount) {
        std::stable_sort(rows.begin(), rows.end(), [](const PairCount* x, const PairCount* y) {
            return x->figure.observed > y->figure.observed;
        });
    } else if (order == PairOrder::ByDifference) {
        std::stable_sort(rows.begin(), rows.end(), [](const PairCount* x, const PairCount* y) {
            return std::abs(x->figure.observed - x->figure.expected) >
                   std::abs(y->figure.observed - y->figure.expected);
        });
    }
    return rows;
}

void SetUpGrid(ResultGrid& grid, int rows) {
    ShapeGrid(grid,
              {.columns = kColumns, .rows = rows, .visibleColumns = kColumns, .visibleRows = 44});
    grid.SetColumnWidth(4, 8);
    grid.SetColumnWidth(1, 6);
    grid.SetRowHeight(1, 14);
    grid.Block(1, 1, kColumns, rows);
    grid.SetCellBorder(border::kAll);
    PaintBlock(grid, 1, 1, kColumns, 1, kBlue, kPaleYellow);
    PaintBlock(grid, 1, kFirstDataRow, 1, rows, kRed, kPaleYellow);
    grid.ActivateCell(0, 0);
    const char* titles[kColumns] = {"ペア", "回数", "期待値", "95%範囲", "差", "印"};
    for (int column = 1; column <= kColumns; ++column) {
        grid.SetCellText(column, 1, titles[column - 1]);
    }
}

}  // namespace

void FillPairGrid(const PairResult& result, ResultGrid& grid, PairOrder order) {
    const int rows = kFirstDataRow - 1 + static_cast<int>(result.pairs.size());
    SetUpGrid(grid, rows);
    int row = kFirstDataRow;
    for (const PairCount* pair : InOrder(result, order)) {
        const ChanceFigure& figure = pair->figure;
        grid.SetCellText(1, row, figure.label);
        grid.SetCellText(2, row, static_cast<long long>(figure.observed));
        grid.SetCellText(3, row, Fixed1(figure.expected, false));
        grid.SetCellText(4, row,
                         std::to_string(static_cast<int>(figure.low)) + "〜" +
                             std::to_string(static_cast<int>(figure.high)));
        grid.SetCellText(5, row, Fixed1(figure.observed - figure.expected, true));
        grid.SetCellText(6, row, pair->marked ? kPairMark : "");
        if (figure.Outside()) {
            PaintBlock(grid, 2, row, kColumns - 1, row, kBlack,
                       figure.observed > figure.high ? kPairAboveColour : kPairBelowColour);
        }
        ++row;
    }
}

}  // namespace pirumo
