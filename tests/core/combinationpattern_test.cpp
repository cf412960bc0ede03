#include "analyses/combinationpattern.h"

#include <gtest/gtest.h>

#include "analyses/evenoddpattern.h"
#include "analyses/lowhighpattern.h"
#include "analysiswindowrun.h"

namespace pirumo {
namespace {

using test::MakeDraw;

constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr Rgb kPaleCyan = MakeRgb(200, 255, 255);
constexpr Rgb kPaleYellow = MakeRgb(255, 255, 200);

struct PatternLook {
    const char* letter;
    Rgb back;
};
// Letter and back colour by pattern index; "A" keeps the default white.
constexpr PatternLook kLooks[6] = {{"A", kWhite},
                                   {"B", MakeRgb(200, 255, 255)},
                                   {"C", MakeRgb(200, 255, 200)},
                                   {"D", MakeRgb(255, 255, 200)},
                                   {"E", MakeRgb(255, 200, 255)},
                                   {"F", MakeRgb(255, 200, 200)}};

void ExpectPattern(const ResultGrid& grid, int row, int index) {
    EXPECT_EQ(grid.CellText(10, row), kLooks[index].letter) << "row " << row;
    EXPECT_EQ(grid.StyleAt(10, row).back, kLooks[index].back) << "row " << row;
}

TEST(EvenOddPatternWindow, PatternIsTheOddCount) {
    const ResultGrid grid = test::RunWindowAnalysis(
        EvenOddPatternAnalysis(),
        {MakeDraw(1, {2, 4, 6, 8, 10}, 1), MakeDraw(2, {1, 4, 6, 8, 10}, 1),
         MakeDraw(3, {1, 3, 6, 8, 10}, 1), MakeDraw(4, {1, 2, 3, 4, 5}, 1),
         MakeDraw(5, {1, 3, 5, 7, 10}, 1), MakeDraw(6, {1, 3, 5, 7, 9}, 2)});
    for (int odd = 0; odd <= 5; ++odd) {
        const int row = odd + 2;
        EXPECT_EQ(grid.CellText(8, row), std::to_string(5 - odd));
        EXPECT_EQ(grid.CellText(9, row), std::to_string(odd));
        ExpectPattern(grid, row, odd);
    }
    for (int column = 2; column <= 6; ++column) {
        EXPECT_EQ(grid.StyleAt(column, 2).back, kPaleCyan) << column;  // all even
        EXPECT_EQ(grid.StyleAt(column, 7).back, kWhite) << column;     // all odd
    }
    // The even bonus 2 of the last draw changes neither counts nor its column's colour.
    EXPECT_EQ(grid.CellText(7, 7), "2");
    EXPECT_EQ(grid.StyleAt(7, 7).back, kPaleYellow);
}

TEST(LowHighPatternWindow, FifteenIsLowSixteenHighAndThePatternIsTheLowCount) {
    const ResultGrid grid = test::RunWindowAnalysis(
        LowHighPatternAnalysis(),
        {MakeDraw(1, {16, 20, 25, 28, 31}, 15), MakeDraw(2, {15, 16, 20, 25, 28}, 16),
         MakeDraw(3, {3, 8, 17, 22, 30}, 31), MakeDraw(4, {1, 2, 3, 16, 31}, 20),
         MakeDraw(5, {1, 2, 3, 4, 16}, 20), MakeDraw(6, {1, 5, 9, 12, 15}, 20)});
    for (int low = 0; low <= 5; ++low) {
        const int row = low + 2;
        EXPECT_EQ(grid.CellText(8, row), std::to_string(low));
        EXPECT_EQ(grid.CellText(9, row), std::to_string(5 - low));
        ExpectPattern(grid, row, low);
    }
    for (int column = 2; column <= 6; ++column) {
        EXPECT_EQ(grid.StyleAt(column, 2).back, kWhite) << column;     // high: untouched
        EXPECT_EQ(grid.StyleAt(column, 7).back, kPaleCyan) << column;  // low
    }
    EXPECT_EQ(grid.StyleAt(2, 3).back, kPaleCyan);  // 15
    EXPECT_EQ(grid.StyleAt(3, 3).back, kWhite);     // 16
    // A low bonus colours only its own cell; a high one keeps the column colour.
    EXPECT_EQ(grid.StyleAt(7, 2).back, kPaleCyan);
    EXPECT_EQ(grid.StyleAt(7, 3).back, kPaleYellow);
}

TEST(CombinationPatternWindows, HeaderTextsDifferOnlyWhereTheyShould) {
    const ResultGrid evenOdd = test::RunWindowAnalysis(EvenOddPatternAnalysis(), {});
    const ResultGrid lowHigh = test::RunWindowAnalysis(LowHighPatternAnalysis(), {});
    EXPECT_EQ(evenOdd.CellText(3, 1), test::Runs("10S本 数 字6S"));
    EXPECT_EQ(lowHigh.CellText(3, 1), test::Runs("10S本 数 字"));
    EXPECT_EQ(evenOdd.CellText(8, 1), "偶数");
    EXPECT_EQ(evenOdd.CellText(9, 1), "奇数");
    EXPECT_EQ(lowHigh.CellText(8, 1), "低数字");
    EXPECT_EQ(lowHigh.CellText(9, 1), "高数字");
    for (const ResultGrid* grid : {&evenOdd, &lowHigh}) {
        ASSERT_EQ(grid->ColumnCount(), 10);
        ASSERT_EQ(grid->RowCount(), 1);
        EXPECT_EQ(grid->CellText(7, 1), "ボ数");
        EXPECT_EQ(grid->CellText(10, 1), "パターン");
        EXPECT_EQ(grid->StyleAt(10, 1).fore, MakeRgb(0, 0, 255));
        EXPECT_EQ(grid->StyleAt(10, 1).back, MakeRgb(255, 200, 200));
        EXPECT_EQ(grid->ColumnWidth(1), 6);
        EXPECT_EQ(grid->ColumnWidth(10), 9);
    }
}

TEST(CombinationPatternWindows, CountColumnsRepeatTheClassColoursDownToTheLastRow) {
    const ResultGrid grid = test::RunWindowAnalysis(
        EvenOddPatternAnalysis(),
        {MakeDraw(1, {2, 4, 6, 8, 10}, 1), MakeDraw(2, {2, 4, 6, 8, 0}, 1),  // skipped
         MakeDraw(3, {1, 4, 6, 8, 10}, 1)});
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.CellText(1, 3), "3");
    EXPECT_EQ(grid.CellText(10, 4), "");
    EXPECT_EQ(grid.StyleAt(8, 4).back, kPaleCyan);
    EXPECT_EQ(grid.StyleAt(8, 4).fore, MakeRgb(0, 0, 255));
    EXPECT_EQ(grid.StyleAt(9, 4).back, kWhite);
    EXPECT_EQ(grid.StyleAt(1, 4).fore, MakeRgb(255, 0, 0));
}

// The tallies behind a pattern chart appear in no grid.
TEST(CombinationPatternResults, DrawsByPatternCountTheValidDraws) {
    const DrawHistory history({MakeDraw(1, {2, 4, 6, 8, 10}, 1), MakeDraw(2, {1, 4, 6, 8, 10}, 1),
                               MakeDraw(3, {1, 3, 5, 7, 0}, 2), MakeDraw(5, {1, 4, 6, 8, 30}, 3),
                               MakeDraw(6, {1, 3, 5, 16, 20}, 3)});
    const struct {
        const char* window;
        CombinationPatternResult result;
        std::array<int, 6> drawsByPattern;
    } cases[] = {
        {"even/odd", AnalyseEvenOddPattern(history), {1, 2, 0, 1, 0, 0}},
        {"low/high", AnalyseLowHighPattern(history), {0, 0, 0, 1, 1, 2}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.result.draws.size(), 4u) << c.window;
        EXPECT_EQ(c.result.draws[2].drawNumber, 5) << c.window;
        EXPECT_EQ(c.result.drawsByPattern, c.drawsByPattern) << c.window;
    }
}

TEST(CombinationPatternWindows, RealHistoryCountsAddUpToFive) {
    const DrawHistory history = test::LoadRealHistory();
    for (const Analysis& window : {EvenOddPatternAnalysis(), LowHighPatternAnalysis()}) {
        ResultGrid grid;
        window.fillGrid(history, grid);
        ASSERT_EQ(grid.RowCount(), history.LastDrawNumber() + 1) << window.name;
        for (int row = 2; row <= grid.RowCount(); ++row) {
            const int first = std::stoi(grid.CellText(8, row));
            const int second = std::stoi(grid.CellText(9, row));
            ASSERT_EQ(first + second, 5) << window.name << " row " << row;
        }
    }
}

}  // namespace
}  // namespace pirumo
