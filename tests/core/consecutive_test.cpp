#include "analyses/consecutive.h"

#include <gtest/gtest.h>

#include "analysiswindowrun.h"

namespace pirumo {
namespace {

using test::MakeDraw;

constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr Rgb kPaleYellow = MakeRgb(255, 255, 200);
constexpr Rgb kConsecutive = MakeRgb(200, 255, 255);
constexpr Rgb kSkipOne = MakeRgb(200, 255, 200);
constexpr Rgb kNoPair = MakeRgb(225, 225, 225);

Rgb Back(const ResultGrid& grid, int column, int row) {
    return grid.StyleAt(column, row).back;
}

TEST(ConsecutiveWindow, RunOfThreeAndAPairGiveThreeConsecutivePairsAndNoSkipOne) {
    const ResultGrid grid =
        test::RunWindowAnalysis(ConsecutiveAnalysis(), {MakeDraw(1, {3, 4, 5, 20, 21}, 9)});
    for (int column = 2; column <= 6; ++column) {
        EXPECT_EQ(Back(grid, column, 2), kConsecutive) << column;
        EXPECT_EQ(Back(grid, column + 6, 2), kWhite) << column;
    }
    EXPECT_EQ(Back(grid, 1, 2), kPaleYellow);
    EXPECT_EQ(Back(grid, 7, 2), kNoPair);
    EXPECT_EQ(grid.CellText(1, 2), "1");
    EXPECT_EQ(grid.CellText(7, 2), "1");
    EXPECT_EQ(grid.CellText(6, 2), "21");
    EXPECT_EQ(grid.CellText(12, 2), "21");
}

TEST(ConsecutiveWindow, OddRunGivesFourSkipOnePairsAndGreyConsecutiveHalf) {
    const ResultGrid grid =
        test::RunWindowAnalysis(ConsecutiveAnalysis(), {MakeDraw(1, {1, 3, 5, 7, 9}, 2)});
    EXPECT_EQ(Back(grid, 1, 2), kNoPair);
    EXPECT_EQ(Back(grid, 7, 2), kPaleYellow);
    for (int column = 8; column <= 12; ++column) {
        EXPECT_EQ(Back(grid, column, 2), kSkipOne) << column;
        EXPECT_EQ(Back(grid, column - 6, 2), kWhite) << column;
    }
}

TEST(ConsecutiveWindow, OnlyNeighbouringFieldsInStoredOrderAreCompared) {
    // 5 and 6 are consecutive but not neighbours; 7 follows 6 only in reverse; 20, 22 skip one.
    const ResultGrid grid = test::RunWindowAnalysis(
        ConsecutiveAnalysis(),
        {MakeDraw(1, {5, 10, 7, 6, 20}, 4), MakeDraw(2, {11, 13, 28, 30, 2}, 1)});
    for (int column = 2; column <= 6; ++column) {
        EXPECT_EQ(Back(grid, column, 2), kWhite) << column;
    }
    EXPECT_EQ(Back(grid, 1, 2), kNoPair);
    EXPECT_EQ(Back(grid, 7, 2), kNoPair);
    // Draw 2: 11-13 and 28-30 are skip-one pairs, 13-28 and 30-2 are not.
    EXPECT_EQ(Back(grid, 8, 3), kSkipOne);
    EXPECT_EQ(Back(grid, 9, 3), kSkipOne);
    EXPECT_EQ(Back(grid, 10, 3), kSkipOne);
    EXPECT_EQ(Back(grid, 11, 3), kSkipOne);
    EXPECT_EQ(Back(grid, 12, 3), kWhite);
    EXPECT_EQ(Back(grid, 7, 3), kPaleYellow);
}

TEST(ConsecutiveWindow, SkippedDrawsTakeNoRowAndLeaveFormattedEmptyRowsAtTheBottom) {
    Draw incomplete = MakeDraw(2, {1, 2, 3, 4, 5}, 0);
    const ResultGrid grid = test::RunWindowAnalysis(
        ConsecutiveAnalysis(),
        {MakeDraw(1, {1, 2, 10, 20, 30}, 7), incomplete, MakeDraw(3, {4, 9, 14, 19, 24}, 8)});
    ASSERT_EQ(grid.ColumnCount(), 12);
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.CellText(1, 3), "3");
    EXPECT_EQ(grid.CellText(1, 4), "");
    EXPECT_EQ(Back(grid, 1, 4), kPaleYellow);
    EXPECT_EQ(Back(grid, 7, 4), kPaleYellow);
    EXPECT_EQ(grid.StyleAt(12, 4).borders, border::kAll);
}

TEST(ConsecutiveWindow, HeaderRowAndWindow) {
    const Analysis window = ConsecutiveAnalysis();
    EXPECT_EQ(window.caption, "連番・飛び石分析");

    const ResultGrid grid = test::RunWindowAnalysis(window, {});
    ASSERT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.CellText(3, 1), test::Runs("2I連番(本数字)"));
    EXPECT_EQ(grid.CellText(9, 1), test::Runs("1I飛び石(本数字)"));
    EXPECT_EQ(grid.StyleAt(3, 1).align, HAlign::Left);
    EXPECT_EQ(grid.CellText(1, 1), "回数");
    EXPECT_EQ(grid.CellText(7, 1), "回数");
    EXPECT_EQ(Back(grid, 4, 1), MakeRgb(255, 200, 255));
    EXPECT_EQ(Back(grid, 10, 1), MakeRgb(255, 200, 200));
    // Each header block of number columns is framed as one cell.
    EXPECT_EQ(grid.StyleAt(2, 1).borders, border::kLeft | border::kTop | border::kBottom);
    EXPECT_EQ(grid.StyleAt(4, 1).borders, border::kTop | border::kBottom);
    EXPECT_EQ(grid.StyleAt(12, 1).borders, border::kRight | border::kTop | border::kBottom);
    EXPECT_EQ(grid.RowHeight(1), 10);
    EXPECT_EQ(grid.ColumnWidth(5), 4);
}

TEST(ConsecutiveWindow, RealHistoryHasOneRowPerDrawAndMarksEveryPair) {
    const DrawHistory history = test::LoadRealHistory();
    ResultGrid grid;
    ConsecutiveAnalysis().fillGrid(history, grid);
    ASSERT_EQ(grid.ColumnCount(), 12);
    ASSERT_EQ(grid.RowCount(), history.LastDrawNumber() + 1);
    int row = 2;
    history.ForEachValidDraw([&](const Draw& draw) {
        bool anyPair = false;
        for (int i = 0; i < 4; ++i) {
            anyPair = anyPair || draw.Main(i) + 1 == draw.Main(i + 1);
        }
        EXPECT_EQ(Back(grid, 1, row) == kNoPair, !anyPair) << draw.drawNumber;
        ++row;
    });
}

}  // namespace
}  // namespace pirumo
