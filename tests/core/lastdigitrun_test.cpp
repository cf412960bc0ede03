#include "analyses/lastdigitrun.h"

#include <gtest/gtest.h>

#include "analyses/lastdigit.h"

#include "analysiswindowrun.h"

namespace pirumo {
namespace {

using test::MakeDraw;

constexpr int kDigit3Column = 5;
constexpr int kDigit7Column = 9;

// A draw none of whose numbers ends in 3 or 7.
Draw Plain(int drawNumber) {
    return MakeDraw(drawNumber, {1, 2, 4, 5, 6}, 8);
}
Draw WithThree(int drawNumber) {
    return MakeDraw(drawNumber, {1, 2, 3, 5, 6}, 8);
}
Draw WithSeven(int drawNumber) {
    return MakeDraw(drawNumber, {1, 2, 4, 5, 6}, 17);
}

TEST(LastDigitRunWindow, CountsContinuationsAndRestartsAfterAGap) {
    std::vector<Draw> draws;
    for (int n = 1; n <= 10; ++n) {
        draws.push_back(n == 5 || n == 6 || n == 7 || n == 10 ? WithThree(n) : Plain(n));
    }
    const ResultGrid grid = test::RunWindowAnalysis(LastDigitRunAnalysis(), draws);
    ASSERT_EQ(grid.RowCount(), 14);
    EXPECT_EQ(grid.CellText(kDigit3Column, 7), "");
    EXPECT_EQ(grid.CellText(kDigit3Column, 8), "1");
    EXPECT_EQ(grid.CellText(kDigit3Column, 9), "2");
    EXPECT_EQ(grid.CellText(kDigit3Column, 12), "");
    EXPECT_EQ(grid.StyleAt(kDigit3Column, 8).back, MakeRgb(255, 255, 255));
    EXPECT_EQ(grid.StyleAt(kDigit3Column, 9).back, MakeRgb(200, 255, 255));
    EXPECT_EQ(grid.CellText(1, 12), "10");
}

TEST(LastDigitRunWindow, SameDigitTwiceInOneDrawCountsTwice) {
    const ResultGrid grid = test::RunWindowAnalysis(
        LastDigitRunAnalysis(),
        {Plain(1), Plain(2), Plain(3), WithThree(4), MakeDraw(5, {3, 4, 13, 20, 21}, 22)});
    EXPECT_EQ(grid.CellText(kDigit3Column, 7), "2");
    EXPECT_EQ(grid.StyleAt(kDigit3Column, 7).back, MakeRgb(200, 255, 255));
    EXPECT_EQ(grid.CellText(kDigit3Column, 6), "");
}

TEST(LastDigitRunWindow, LongRunsTakeTheirColours) {
    std::vector<Draw> draws;
    for (int n = 1; n <= 14; ++n) {
        draws.push_back(WithSeven(n));
    }
    const ResultGrid grid = test::RunWindowAnalysis(LastDigitRunAnalysis(), draws);
    const Rgb expected[14] = {0,
                              MakeRgb(255, 255, 255),
                              MakeRgb(200, 255, 255),
                              MakeRgb(200, 255, 255),
                              MakeRgb(200, 255, 200),
                              MakeRgb(200, 255, 200),
                              MakeRgb(255, 255, 200),
                              MakeRgb(255, 255, 200),
                              MakeRgb(255, 200, 255),
                              MakeRgb(255, 200, 255),
                              MakeRgb(255, 200, 200),
                              MakeRgb(255, 200, 200),
                              MakeRgb(225, 225, 225),
                              MakeRgb(255, 200, 200)};
    EXPECT_EQ(grid.CellText(kDigit7Column, 3), "");
    for (int count = 1; count <= 13; ++count) {
        const int row = count + 3;  // draw count + 1
        EXPECT_EQ(grid.CellText(kDigit7Column, row), std::to_string(count));
        EXPECT_EQ(grid.StyleAt(kDigit7Column, row).back, expected[count]) << count;
        EXPECT_TRUE(grid.StyleAt(kDigit7Column, row).borders & border::kBottom);
    }
}

TEST(LastDigitRunWindow, RunsGoOnPastDrawNineHundredNinetyNine) {
    std::vector<Draw> draws;
    for (int n = 1; n <= 1010; ++n) {
        draws.push_back(n >= 995 ? WithSeven(n) : Plain(n));
    }
    draws[1007].numbers[0] = Draw::kEmptyField;  // draw 1008 skipped: the run breaks there
    const ResultGrid grid = test::RunWindowAnalysis(LastDigitRunAnalysis(), draws);
    ASSERT_EQ(grid.RowCount(), 1014);
    EXPECT_EQ(grid.CellText(1, 1002), "1000");
    EXPECT_EQ(grid.CellText(1, 1012), "1010");
    EXPECT_EQ(grid.CellText(kDigit7Column, 997), "");  // draw 995 starts the run
    EXPECT_EQ(grid.CellText(kDigit7Column, 1001), "4");
    EXPECT_EQ(grid.CellText(kDigit7Column, 1002), "5");
    EXPECT_EQ(grid.CellText(kDigit7Column, 1009), "12");
    EXPECT_EQ(grid.CellText(kDigit7Column, 1010), "");
    EXPECT_EQ(grid.CellText(kDigit7Column, 1011), "");
    EXPECT_EQ(grid.CellText(kDigit7Column, 1012), "1");
    EXPECT_EQ(grid.CellText(kDigit7Column, 1013), "7");  // bottom digit row
}

// Several numbers of one draw ending in the same digit, after a gap and after a skipped row.
TEST(LastDigitResult, RunCountsOfRepeatedDigitsAndGaps) {
    const LastDigitResult result = AnalyseLastDigit(DrawHistory({
        MakeDraw(1, {3, 13, 23, 4, 5}, 6),
        Plain(2),
        MakeDraw(3, {3, 13, 1, 2, 4}, 5),
        MakeDraw(4, {3, 0, 1, 2, 4}, 5),  // skipped: breaks the run
        WithThree(5),
        WithThree(6),
    }));
    const struct {
        int drawNumber;
        int threes;
        int run;
    } expected[] = {{1, 3, 2}, {2, 0, 0}, {3, 2, 1}, {5, 1, 0}, {6, 1, 1}};
    ASSERT_EQ(result.draws.size(), std::size(expected));
    for (std::size_t i = 0; i < result.draws.size(); ++i) {
        const LastDigitRow& row = result.draws[i];
        EXPECT_EQ(row.drawNumber, expected[i].drawNumber);
        EXPECT_EQ(row.digitCounts[3], expected[i].threes) << row.drawNumber;
        EXPECT_EQ(row.runCounts[3], expected[i].run) << row.drawNumber;
    }
}

TEST(LastDigitRunWindow, RealHistoryRunsAfterDrawNineHundredNinetyNineAreFilled) {
    const DrawHistory history = test::LoadRealHistory();
    ResultGrid grid;
    LastDigitRunAnalysis().fillGrid(history, grid);
    const int last = history.LastDrawNumber();
    ASSERT_EQ(grid.ColumnCount(), 11);
    ASSERT_EQ(grid.RowCount(), last + 4);
    // A cell holds a count exactly when its digit was drawn in that draw and in the one before.
    std::vector<std::array<int, 10>> hits(static_cast<std::size_t>(last) + 1);
    history.ForEachValidDraw([&](const Draw& draw) {
        for (auto number : draw.numbers) {
            ++hits[static_cast<std::size_t>(draw.drawNumber)]
                  [static_cast<std::size_t>(number % 10)];
        }
    });
    int filledAfter999 = 0;
    for (int n = 2; n <= last; ++n) {
        for (int digit = 0; digit <= 9; ++digit) {
            const auto d = static_cast<std::size_t>(digit);
            const auto i = static_cast<std::size_t>(n);
            const bool continues = hits[i][d] > 0 && (hits[i - 1][d] > 0 || hits[i][d] > 1);
            const bool filled = !grid.CellText(digit + 2, n + 2).empty();
            ASSERT_EQ(filled, continues) << "draw " << n << " digit " << digit;
            filledAfter999 += filled && n > 999;
        }
    }
    EXPECT_GT(filledAfter999, 100);
}

}  // namespace
}  // namespace pirumo
