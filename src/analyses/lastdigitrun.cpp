#include "analyses/lastdigitrun.h"

#include <array>
#include <vector>

#include "analyses/analysiscolours.h"
#include "analyses/lastdigitgrid.h"

namespace pirumo {

namespace {

// For each last digit, the draw numbers in which a number ending in it was drawn, once per such
// number, in history order. Plain integers, so draw numbers of any width line up.
using DigitDrawLists = std::array<std::vector<int>, 10>;

void AppendDrawNumber(DigitDrawLists& lists, int drawNumber, int digit) {
    lists[static_cast<std::size_t>(digit)].push_back(drawNumber);
}

DigitDrawLists BuildDigitDrawLists(const DrawHistory& history) {
    DigitDrawLists lists;
    history.ForEachValidDraw([&](const Draw& draw) {
        for (auto number : draw.numbers) {
            AppendDrawNumber(lists, draw.drawNumber, number % 10);
        }
    });
    return lists;
}

void SetUpGrid(ResultGrid& grid, int lastDrawNumber) {
    SetUpLastDigitGrid(grid, lastDrawNumber);
    // The draw numbers of column 1 are generated: draw n sits in row n + 2.
    for (int n = 1; n <= lastDrawNumber; ++n) {
        grid.SetCellText(1, n + 2, n);
    }
}

Rgb RunCountColour(int count) {
    switch (count) {
        case 1:
            return kWhite;
        case 2:
        case 3:
            return kPaleCyan;
        case 4:
        case 5:
            return kPaleGreen;
        case 6:
        case 7:
            return kPaleYellow;
        case 8:
        case 9:
            return kPaleMagenta;
        case 12:
            return kGrey;
        default:
            return kPaleRed;  // 10, 11 and 13 on
    }
}

void ColourByRunCount(ResultGrid& grid, int column, int row, int count) {
    grid.Block(column, row, column, row);
    grid.SetCellBorder(border::kBottom);
    grid.SetBackColor(RunCountColour(count));
}

void WriteRunCount(ResultGrid& grid, int digit, int drawNumber, int count) {
    const int column = LastDigitColumn(digit);
    const int row = drawNumber + 2;
    grid.SetCellText(column, row, count);
    ColourByRunCount(grid, column, row, count);
}

// A digit continues when its next entry is the following draw or the same draw again (two
// numbers of one draw ending in it); any gap starts the count again.
void FillRunCounts(ResultGrid& grid, const DigitDrawLists& lists) {
    for (int digit = 0; digit <= 9; ++digit) {
        const std::vector<int>& list = lists[static_cast<std::size_t>(digit)];
        int count = 0;
        for (std::size_t i = 0; i + 1 < list.size(); ++i) {
            const int previous = list[i];
            const int current = list[i + 1];
            if (previous + 1 < current) {
                count = 0;
            } else {
                ++count;
                WriteRunCount(grid, digit, current, count);
            }
        }
    }
}

}  // namespace

Analysis LastDigitRunAnalysis() {
    Analysis analysis;
    analysis.name = "下一桁連続出現回数分析";
    analysis.caption = "下一桁連続出現回数分析";
    analysis.summary = "過去の当選番号の下一桁数字が何回続けて出現しているか分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        const DigitDrawLists lists = BuildDigitDrawLists(history);
        const int lastDrawNumber = history.LastDrawNumber();
        SetUpGrid(grid, lastDrawNumber);
        WriteLastDigitHeader(grid, 1, false);
        WriteLastDigitHeader(grid, lastDrawNumber + 3, true);
        FillRunCounts(grid, lists);
    };
    return analysis;
}

}  // namespace pirumo
