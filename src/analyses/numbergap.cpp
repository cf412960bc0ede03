#include "analyses/numbergap.h"

#include <array>
#include <string>

#include "analyses/analysiscolours.h"
#include "analyses/pairedcolumngrid.h"

namespace pirumo {

namespace {

constexpr Rgb kFallColour = kPaleMagenta;

void SetUpGrid(ResultGrid& grid, int lastDrawNumber) {
    SetUpPairedColumnGrid(grid, lastDrawNumber);
}

void WriteGapHeaders(ResultGrid& grid, int firstRow, bool mirrored) {
    WritePairedColumnHeaders(grid, firstRow, mirrored, {"    本 数 字", "差分"});
}

void WriteGap(ResultGrid& grid, int gap, int column, int row) {
    if (gap > 0) {
        std::string text = std::to_string(gap);
        text.insert(text.begin(), '+');
        grid.SetCellText(column, row, text);
        return;
    }
    if (gap < 0) {
        grid.Cell(column, row);
        grid.SetBackColor(kFallColour);
    }
    grid.SetCellText(column, row, gap);
}

// Each position is compared with the same position of the previous valid draw. The first grid
// row never shows differences, even when the first valid draw comes later.
void ComputeGaps(ResultGrid& grid, const DrawHistory& history) {
    const int lastDataRow = history.LastDrawNumber() + 2;
    std::array<int, Draw::kFieldCount> previous{};
    int row = kPairedFirstDataRow;
    for (const Draw& draw : history.Rows()) {
        if (IsValidDraw(draw) && row <= lastDataRow) {
            grid.SetCellText(1, row, draw.drawNumber);
            for (int k = 1; k <= Draw::kFieldCount; ++k) {
                const auto i = static_cast<std::size_t>(k - 1);
                grid.SetCellText(PairedNumberColumn(k), row, draw.numbers[i]);
                if (row > kPairedFirstDataRow) {
                    WriteGap(grid, draw.numbers[i] - previous[i], PairedValueColumn(k), row);
                }
            }
            for (std::size_t i = 0; i < previous.size(); ++i) {
                previous[i] = draw.numbers[i];
            }
        }
        ++row;
    }
}

}  // namespace

Analysis NumberGapAnalysis() {
    Analysis analysis;
    analysis.name = "数字間隔分析";
    analysis.caption = "数字間隔分析";
    analysis.summary = "当選数字を第１数字～第５数字別に前回数字との数字の間隔を分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        const int lastDrawNumber = history.LastDrawNumber();
        SetUpGrid(grid, lastDrawNumber);
        WriteGapHeaders(grid, 1, false);
        WriteGapHeaders(grid, PairedFooterRow(lastDrawNumber), true);
        ComputeGaps(grid, history);
    };
    return analysis;
}

}  // namespace pirumo
