#include "analyses/appearanceinterval.h"

#include <array>
#include <string>

#include "analyses/pairedcolumngrid.h"

namespace pirumo {

namespace {

void SetUpGrid(ResultGrid& grid, int lastDrawNumber) {
    SetUpPairedColumnGrid(grid, lastDrawNumber);
}

void WriteIntervalHeaders(ResultGrid& grid, int firstRow, bool mirrored) {
    WritePairedColumnHeaders(grid, firstRow, mirrored, {"    本 数 字     ", "出現"});
}

void WriteIntervalText(ResultGrid& grid, int interval, int column, int row) {
    grid.SetCellText(column, row, interval == 0 ? "初回" : std::to_string(interval) + "回前");
}

// The interval of a number is counted in draw numbers back to the latest earlier valid draw
// that had it, as a main or as the bonus number.
void ComputeIntervals(ResultGrid& grid, const DrawHistory& history) {
    const int lastDataRow = history.LastDrawNumber() + 2;
    std::array<int, 32> lastDrawnIn{};  // draw number per number; 0 = not yet drawn
    int row = kPairedFirstDataRow;
    for (const Draw& draw : history.Rows()) {
        if (IsValidDraw(draw) && row <= lastDataRow) {
            const int n = draw.drawNumber;
            grid.SetCellText(1, row, n);
            for (int k = 1; k <= Draw::kFieldCount; ++k) {
                const int v = draw.numbers[static_cast<std::size_t>(k - 1)];
                grid.SetCellText(PairedNumberColumn(k), row, v);
                const int m = lastDrawnIn[static_cast<std::size_t>(v)];
                WriteIntervalText(grid, m >= 1 && m < n ? n - m : 0, PairedValueColumn(k), row);
            }
            if (n >= 1) {
                for (auto v : draw.numbers) {
                    lastDrawnIn[static_cast<std::size_t>(v)] = n;
                }
            }
        }
        ++row;
    }
}

}  // namespace

Analysis AppearanceIntervalAnalysis() {
    Analysis analysis;
    analysis.name = "出現間隔分析";
    analysis.caption = "出現間隔分析";
    analysis.summary = "過去の当選数字が何回前に出現しているか分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        const int lastDrawNumber = history.LastDrawNumber();
        SetUpGrid(grid, lastDrawNumber);
        WriteIntervalHeaders(grid, 1, false);
        WriteIntervalHeaders(grid, PairedFooterRow(lastDrawNumber), true);
        ComputeIntervals(grid, history);
    };
    return analysis;
}

}  // namespace pirumo
