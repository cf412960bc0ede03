#include "analyses/carryover.h"

#include <gtest/gtest.h>

#include "analysiswindowrun.h"

namespace pirumo {
namespace {

using test::MakeDraw;
using test::RunWindowAnalysis;

constexpr Rgb kCarried = MakeRgb(200, 255, 255);

std::vector<int> CarriedColumns(const ResultGrid& g, int row) {
    std::vector<int> columns;
    for (int c = 2; c <= 7; ++c) {
        if (g.StyleAt(c, row).back == kCarried) {
            columns.push_back(c);
        }
    }
    return columns;
}

TEST(CarryOver, PreviousBonusCountsBothWays) {
    const ResultGrid g = RunWindowAnalysis(
        CarryOverAnalysis(), {MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {6, 7, 8, 9, 10}, 3),
                              MakeDraw(3, {11, 12, 13, 14, 15}, 16)});
    ASSERT_EQ(g.ColumnCount(), 7);
    ASSERT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.CellText(1, 1), "回数");
    EXPECT_EQ(g.CellText(4, 1), " 本 数 字         ");
    EXPECT_EQ(g.CellText(7, 1), "ボーナス数字");
    EXPECT_EQ(g.StyleAt(4, 1).align, HAlign::Left);
    EXPECT_EQ(g.StyleAt(3, 1).borders, border::kBottom);
    EXPECT_EQ(g.StyleAt(7, 1).borders, border::kAll);
    EXPECT_TRUE(CarriedColumns(g, 2).empty());
    EXPECT_EQ(CarriedColumns(g, 3), (std::vector<int>{2, 7}));
    EXPECT_TRUE(CarriedColumns(g, 4).empty());
}

TEST(CarryOver, SkippedDrawIsPassedOverAndTheLastRowsStayEmpty) {
    const ResultGrid g = RunWindowAnalysis(
        CarryOverAnalysis(), {MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {0, 7, 8, 9, 10}, 11),
                              MakeDraw(3, {7, 2, 20, 21, 22}, 5)});
    ASSERT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.CellText(1, 3), "3");
    EXPECT_EQ(CarriedColumns(g, 3), (std::vector<int>{3, 7}));
    for (int c = 1; c <= 7; ++c) {
        EXPECT_EQ(g.CellText(c, 4), "") << c;
    }
}

TEST(CarryOver, RealHistoryThirdDraw) {
    const DrawHistory history = test::LoadRealHistory();
    const ResultGrid g = RunWindowAnalysis(CarryOverAnalysis(), history);
    EXPECT_EQ(g.RowCount(), 1354);
    // Draw 3: 1 8 10 24 30 / 28 after draw 2: 2 11 12 21 30 / 28.
    EXPECT_EQ(CarriedColumns(g, 4), (std::vector<int>{6, 7}));
    EXPECT_EQ(g.CellText(1, 1354), "1353");
}

}  // namespace
}  // namespace pirumo
