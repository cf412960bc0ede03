#include "analyses/dispersion.h"

#include <gtest/gtest.h>

#include "analyses/analysiscolours.h"
#include "analysiswindowrun.h"

namespace pirumo {
namespace {

using test::MakeDraw;
using test::RunWindowAnalysis;

constexpr Rgb kBlue = MakeRgb(0, 0, 255);

// Columns 2..32 of the row that carry a mark, with their colours.
std::vector<std::pair<int, Rgb>> MarksIn(const ResultGrid& g, int row) {
    std::vector<std::pair<int, Rgb>> marks;
    for (int c = 2; c <= 32; ++c) {
        if (!g.CellText(c, row).empty()) {
            EXPECT_EQ(g.CellText(c, row), "●");
            marks.emplace_back(c - 1, g.StyleAt(c, row).fore);
        }
    }
    return marks;
}

TEST(Dispersion, SixMarksPerDrawAndNoNumbers) {
    const ResultGrid g =
        RunWindowAnalysis(DispersionAnalysis(), {MakeDraw(7, {31, 1, 16, 2, 30}, 15)});
    ASSERT_EQ(g.ColumnCount(), 33);
    ASSERT_EQ(g.RowCount(), 10);
    EXPECT_EQ(g.CellText(1, 3), "7");
    EXPECT_EQ(g.CellText(33, 3), "7");
    const std::vector<std::pair<int, Rgb>> expected{
        {1, kMainNumberMarkColour},  {2, kMainNumberMarkColour},  {15, kBonusNumberMarkColour},
        {16, kMainNumberMarkColour}, {30, kMainNumberMarkColour}, {31, kMainNumberMarkColour}};
    EXPECT_EQ(MarksIn(g, 3), expected);
}

TEST(Dispersion, SkippedDrawsTakeNoRowAndTheFooterStays) {
    const ResultGrid g = RunWindowAnalysis(
        DispersionAnalysis(), {MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {1, 2, 3, 4, 0}, 6),
                               MakeDraw(3, {7, 8, 9, 10, 11}, 12)});
    ASSERT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.CellText(1, 4), "3");
    EXPECT_EQ(MarksIn(g, 4).size(), 6u);
    EXPECT_EQ(g.CellText(1, 5), "");
    EXPECT_TRUE(MarksIn(g, 5).empty());
    for (int row : {2, 6}) {
        EXPECT_EQ(g.CellText(1, row), "回");
        EXPECT_EQ(g.CellText(33, row), "回");
        EXPECT_EQ(g.CellText(2, row), "1");
        EXPECT_EQ(g.CellText(32, row), "31");
        EXPECT_EQ(g.StyleAt(17, row).fore, kBlue);
    }
    EXPECT_EQ(g.CellText(16, 1), "数　　　　　　　字");
}

TEST(Dispersion, RealHistoryMarksEveryDraw) {
    const DrawHistory history = test::LoadRealHistory();
    const ResultGrid g = RunWindowAnalysis(DispersionAnalysis(), history);
    EXPECT_EQ(g.ColumnCount(), 33);
    EXPECT_EQ(g.RowCount(), 1356);
    for (int row = 3; row <= 1355; ++row) {
        ASSERT_EQ(MarksIn(g, row).size(), 6u) << row;
    }
    EXPECT_EQ(g.CellText(33, 1355), "1353");
    EXPECT_EQ(g.CellText(2, 1356), "1");
}

}  // namespace
}  // namespace pirumo
