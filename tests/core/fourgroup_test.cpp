#include "analyses/fourgroup.h"

#include <gtest/gtest.h>

#include "analysiswindowrun.h"

namespace pirumo {
namespace {

using test::MakeDraw;

constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr Rgb kPaleCyan = MakeRgb(200, 255, 255);
constexpr Rgb kPaleGreen = MakeRgb(200, 255, 200);
constexpr Rgb kPaleYellow = MakeRgb(255, 255, 200);

bool IsHeaderRow(const ResultGrid& grid, int row) {
    return grid.CellText(1, row) == "回数" && grid.CellText(4, row) == "本 数 字" &&
           grid.CellText(8, row) == "01～09" && grid.CellText(11, row) == "30～31" &&
           grid.RowHeight(row) == 20;
}

TEST(FourGroupWindow, BlocksOfFiftyDrawsUnderTheirOwnHeaderRows) {
    const ResultGrid grid = test::RunWindowAnalysis(FourGroupAnalysis(), test::NumberedDraws(120));
    ASSERT_EQ(grid.ColumnCount(), 11);
    ASSERT_EQ(grid.RowCount(), 124);
    for (int row = 1; row <= 124; ++row) {
        const bool header = row == 1 || row == 52 || row == 103 || row == 124;
        EXPECT_EQ(IsHeaderRow(grid, row), header) << row;
    }
    EXPECT_EQ(grid.CellText(1, 2), "1");
    EXPECT_EQ(grid.CellText(1, 51), "50");
    EXPECT_EQ(grid.CellText(1, 53), "51");
    EXPECT_EQ(grid.CellText(1, 102), "100");
    EXPECT_EQ(grid.CellText(1, 104), "101");
    EXPECT_EQ(grid.CellText(1, 123), "120");
    EXPECT_EQ(grid.RowHeight(123), 10);
}

TEST(FourGroupWindow, BlockBoundaryAtFiftyAndFiftyOneDraws) {
    const ResultGrid fifty = test::RunWindowAnalysis(FourGroupAnalysis(), test::NumberedDraws(50));
    ASSERT_EQ(fifty.RowCount(), 52);
    EXPECT_EQ(fifty.CellText(1, 51), "50");
    EXPECT_TRUE(IsHeaderRow(fifty, 52));

    const ResultGrid fiftyOne =
        test::RunWindowAnalysis(FourGroupAnalysis(), test::NumberedDraws(51));
    ASSERT_EQ(fiftyOne.RowCount(), 54);
    EXPECT_TRUE(IsHeaderRow(fiftyOne, 52));
    EXPECT_EQ(fiftyOne.CellText(1, 53), "51");
    EXPECT_TRUE(IsHeaderRow(fiftyOne, 54));

    const ResultGrid empty = test::RunWindowAnalysis(FourGroupAnalysis(), {});
    ASSERT_EQ(empty.RowCount(), 1);
    EXPECT_TRUE(IsHeaderRow(empty, 1));
}

TEST(FourGroupWindow, CountsAndColoursIncludeTheBonus) {
    const ResultGrid grid =
        test::RunWindowAnalysis(FourGroupAnalysis(), {MakeDraw(1, {3, 12, 15, 24, 31}, 7)});
    EXPECT_EQ(grid.CellText(8, 2), "2");
    EXPECT_EQ(grid.CellText(9, 2), "2");
    EXPECT_EQ(grid.CellText(10, 2), "1");
    EXPECT_EQ(grid.CellText(11, 2), "1");
    const Rgb expected[6] = {kWhite, kPaleCyan, kPaleCyan, kPaleGreen, kPaleYellow, kWhite};
    for (int column = 2; column <= 7; ++column) {
        EXPECT_EQ(grid.StyleAt(column, 2).back, expected[column - 2]) << column;
    }
    // Count columns: 01-09 white, then the group colours.
    EXPECT_EQ(grid.StyleAt(8, 2).back, kWhite);
    EXPECT_EQ(grid.StyleAt(10, 2).back, kPaleGreen);
    // The red line between draw and count columns.
    EXPECT_TRUE(grid.StyleAt(8, 2).borders & border::kLeft);
    EXPECT_EQ(grid.StyleAt(8, 2).borderColours[0], MakeRgb(255, 0, 0));
}

TEST(FourGroupWindow, HeaderRowLooksLikeOneTitleOverTheMainNumbers) {
    const ResultGrid grid = test::RunWindowAnalysis(FourGroupAnalysis(), test::NumberedDraws(3));
    for (int column = 2; column <= 6; ++column) {
        EXPECT_EQ(grid.StyleAt(column, 1).borders, border::kBottom) << column;
        EXPECT_EQ(grid.StyleAt(column, 1).borderColours[3], 0u) << column;
    }
    EXPECT_EQ(grid.StyleAt(4, 1).align, HAlign::Left);
    EXPECT_EQ(grid.StyleAt(7, 1).back, MakeRgb(255, 200, 200));
    EXPECT_EQ(grid.StyleAt(9, 1).back, MakeRgb(200, 200, 255));
    EXPECT_EQ(grid.StyleAt(9, 1).fore, MakeRgb(0, 0, 255));
    EXPECT_EQ(grid.CellText(10, 1), "20～29");
    EXPECT_EQ(FourGroupAnalysis().caption, "4分割傾向分析");
}

TEST(FourGroupWindow, SkippedRecordsLeaveRowsBeforeTheClosingHeaderEmpty) {
    auto draws = test::NumberedDraws(5);
    draws[1].numbers[Draw::kBonusIndex] = Draw::kEmptyField;
    const ResultGrid grid = test::RunWindowAnalysis(FourGroupAnalysis(), draws);
    ASSERT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(grid.CellText(1, 3), "3");
    EXPECT_EQ(grid.CellText(1, 5), "5");
    EXPECT_EQ(grid.CellText(1, 6), "");
    EXPECT_EQ(grid.StyleAt(11, 6).back, kPaleYellow);
    EXPECT_TRUE(IsHeaderRow(grid, 7));
}

TEST(FourGroupWindow, RealHistoryGridAndCounts) {
    const DrawHistory history = test::LoadRealHistory();
    ResultGrid grid;
    FourGroupAnalysis().fillGrid(history, grid);
    const int last = history.LastDrawNumber();
    const int blocks = (last + 49) / 50;
    ASSERT_EQ(grid.ColumnCount(), 11);
    ASSERT_EQ(grid.RowCount(), last + blocks + 1);
    EXPECT_TRUE(IsHeaderRow(grid, grid.RowCount()));
    for (int row = 1; row < grid.RowCount(); ++row) {
        if ((row - 1) % 51 == 0) {
            ASSERT_TRUE(IsHeaderRow(grid, row)) << row;
            continue;
        }
        int sum = 0;
        for (int column = 8; column <= 11; ++column) {
            sum += std::stoi(grid.CellText(column, row));
        }
        ASSERT_EQ(sum, 6) << row;
    }
}

}  // namespace
}  // namespace pirumo
