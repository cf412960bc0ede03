#include "analyses/numbersum.h"

#include <gtest/gtest.h>

#include "analysiswindowrun.h"

namespace pirumo {
namespace {

using test::MakeDraw;

constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr Rgb kPaleCyan = MakeRgb(200, 255, 255);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);

TEST(NumberSumWindow, SmallestAndLargestTotals) {
    const ResultGrid grid = test::RunWindowAnalysis(
        NumberSumAnalysis(),
        {MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {27, 28, 29, 30, 31}, 26)});
    EXPECT_EQ(grid.CellText(7, 2), "15");
    EXPECT_EQ(grid.CellText(8, 2), "6");
    EXPECT_EQ(grid.CellText(9, 2), "21");
    EXPECT_EQ(grid.CellText(7, 3), "145");
    EXPECT_EQ(grid.CellText(9, 3), "171");
    EXPECT_EQ(grid.CellText(2, 3), "27");
    EXPECT_EQ(grid.CellText(6, 3), "31");
}

TEST(NumberSumWindow, TotalsColumnsAreBlueOnCyanAndTheBonusColumnPlain) {
    const ResultGrid grid =
        test::RunWindowAnalysis(NumberSumAnalysis(), {MakeDraw(1, {1, 2, 3, 4, 5}, 6)});
    for (int column : {7, 9}) {
        EXPECT_EQ(grid.StyleAt(column, 2).fore, kBlue);
        EXPECT_EQ(grid.StyleAt(column, 2).back, kPaleCyan);
    }
    EXPECT_EQ(grid.StyleAt(8, 2).back, kWhite);
    EXPECT_EQ(grid.StyleAt(8, 2).fore, 0u);
    EXPECT_EQ(grid.ColumnWidth(7), 10);
    EXPECT_EQ(grid.ColumnWidth(8), 7);
    EXPECT_EQ(grid.ColumnWidth(9), 10);
    EXPECT_EQ(grid.RowHeight(1), 20);
    EXPECT_EQ(grid.RowHeight(2), 10);
}

TEST(NumberSumWindow, HeaderRow) {
    const Analysis window = NumberSumAnalysis();
    const ResultGrid grid = test::RunWindowAnalysis(window, {});
    ASSERT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.CellText(4, 1), "本 数 字");
    EXPECT_EQ(grid.StyleAt(4, 1).align, HAlign::Left);
    EXPECT_EQ(grid.CellText(9, 1), "本数字+ボ数字");
    for (int column = 1; column <= 9; ++column) {
        EXPECT_EQ(grid.StyleAt(column, 1).back, MakeRgb(255, 200, 200)) << column;
        EXPECT_EQ(grid.StyleAt(column, 1).fore, 0u) << column;
    }
    // The outline runs around columns 2 to 8; the main-number cells lose their inner lines.
    EXPECT_EQ(grid.StyleAt(2, 1).borders, border::kLeft | border::kTop | border::kBottom);
    EXPECT_EQ(grid.StyleAt(4, 1).borders, border::kTop | border::kBottom);
    EXPECT_EQ(grid.StyleAt(8, 1).borders, border::kAll);
}

TEST(NumberSumWindow, SkippedDrawsLeaveEmptyRowsAtTheBottom) {
    const ResultGrid grid = test::RunWindowAnalysis(
        NumberSumAnalysis(), {MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {1, 2, 0, 4, 5}, 6),
                              MakeDraw(3, {7, 8, 9, 10, 11}, 12)});
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.CellText(1, 3), "3");
    EXPECT_EQ(grid.CellText(7, 3), "45");
    EXPECT_EQ(grid.CellText(7, 4), "");
    EXPECT_EQ(grid.StyleAt(7, 4).back, kPaleCyan);
}

TEST(NumberSumWindow, RealHistoryTotals) {
    const DrawHistory history = test::LoadRealHistory();
    ResultGrid grid;
    NumberSumAnalysis().fillGrid(history, grid);
    ASSERT_EQ(grid.ColumnCount(), 9);
    ASSERT_EQ(grid.RowCount(), history.LastDrawNumber() + 1);
    // Draw 1 is 1, 3, 17, 20, 25 with bonus 26.
    EXPECT_EQ(grid.CellText(7, 2), "66");
    EXPECT_EQ(grid.CellText(9, 2), "92");
    int row = 2;
    history.ForEachValidDraw([&](const Draw& draw) {
        int total = 0;
        for (int i = 0; i < 5; ++i) {
            total += draw.Main(i);
        }
        ASSERT_EQ(grid.CellText(9, row), std::to_string(total + draw.Bonus()));
        ++row;
    });
}

}  // namespace
}  // namespace pirumo
