#include "analyses/lastdigit.h"

#include <array>
#include <string>

#include "analyses/analysiscolours.h"
#include "analyses/lastdigitgrid.h"

namespace pirumo {

namespace {

using DigitMarks = std::array<std::string, 10>;

void AppendDigitMark(DigitMarks& marks, int digit) {
    marks[static_cast<std::size_t>(digit)] += static_cast<char>('0' + digit);
}

// More numbers sharing a last digit, a stronger colour.
void ColourByMarkCount(ResultGrid& grid, const std::string& marks, int column, int row) {
    Rgb back = kWhite;
    if (marks.size() >= 4) {
        back = kPaleRed;
    } else if (marks.size() == 3) {
        back = kPaleGreen;
    } else if (marks.size() == 2) {
        back = kPaleCyan;
    }
    grid.Cell(column, row);
    grid.SetBackColor(back);
}

void FillDrawRows(ResultGrid& grid, const DrawHistory& history) {
    int row = 3;
    history.ForEachValidDraw([&](const Draw& draw) {
        DigitMarks marks;
        grid.SetCellText(1, row, draw.drawNumber);
        for (auto number : draw.numbers) {
            AppendDigitMark(marks, number % 10);
        }
        for (int digit = 0; digit <= 9; ++digit) {
            const std::string& text = marks[static_cast<std::size_t>(digit)];
            grid.SetCellText(LastDigitColumn(digit), row, text);
            ColourByMarkCount(grid, text, LastDigitColumn(digit), row);
        }
        ++row;
    });
}

}  // namespace

Analysis LastDigitAnalysis() {
    Analysis analysis;
    analysis.name = "下一桁出現傾向分析";
    analysis.caption = "下一桁出現傾向分析";
    analysis.summary = "過去の当選番号の下一桁の数字の出現傾向を分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        const int lastDrawNumber = history.LastDrawNumber();
        SetUpLastDigitGrid(grid, lastDrawNumber);
        WriteLastDigitHeader(grid, 1, false);
        WriteLastDigitHeader(grid, lastDrawNumber + 3, true);
        FillDrawRows(grid, history);
    };
    return analysis;
}

}  // namespace pirumo
