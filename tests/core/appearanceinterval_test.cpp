#include "analyses/appearanceinterval.h"

#include <gtest/gtest.h>

#include "analysiswindowrun.h"

namespace pirumo {
namespace {

using test::MakeDraw;
using test::RunWindowAnalysis;

constexpr Rgb kPalePink = MakeRgb(255, 200, 200);

TEST(AppearanceInterval, IntervalsCountBackToTheLatestDrawWithTheNumber) {
    std::vector<Draw> draws{
        MakeDraw(1, {1, 2, 3, 4, 5}, 6),       MakeDraw(2, {7, 8, 9, 10, 11}, 12),
        MakeDraw(3, {13, 14, 15, 16, 17}, 18), MakeDraw(4, {19, 20, 21, 22, 23}, 24),
        MakeDraw(5, {25, 26, 27, 28, 29}, 30), MakeDraw(6, {1, 31, 13, 14, 15}, 16),
        MakeDraw(7, {2, 3, 4, 5, 7}, 8),       MakeDraw(8, {9, 31, 19, 20, 21}, 11),
        MakeDraw(9, {24, 1, 22, 23, 25}, 10),
    };
    const ResultGrid g = RunWindowAnalysis(AppearanceIntervalAnalysis(), draws);
    ASSERT_EQ(g.ColumnCount(), 13);
    ASSERT_EQ(g.RowCount(), 9 + 4);
    for (int c = 3; c <= 13; c += 2) {
        EXPECT_EQ(g.CellText(c, 3), "初回") << c;
    }
    EXPECT_EQ(g.CellText(1, 3), "1");
    EXPECT_EQ(g.CellText(12, 3), "6");

    // Draw 9 (row 11): 24 was draw 4's bonus; 1 came in draws 1 and 6, the later one counts.
    EXPECT_EQ(g.CellText(2, 11), "24");
    EXPECT_EQ(g.CellText(3, 11), "5回前");
    EXPECT_EQ(g.CellText(5, 11), "3回前");
    EXPECT_EQ(g.CellText(13, 11), "7回前");
    // Draw 8 (row 10): 31 came in draw 6; its bonus 11 was a main number of draw 2.
    EXPECT_EQ(g.CellText(5, 10), "2回前");
    EXPECT_EQ(g.CellText(13, 10), "6回前");
}

TEST(AppearanceInterval, PreviousBonusIsOneDrawBack) {
    const ResultGrid g =
        RunWindowAnalysis(AppearanceIntervalAnalysis(),
                          {MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {6, 7, 8, 9, 10}, 5)});
    EXPECT_EQ(g.CellText(3, 4), "1回前");
    EXPECT_EQ(g.CellText(13, 4), "1回前");
    EXPECT_EQ(g.CellText(5, 4), "初回");
}

TEST(AppearanceInterval, InvalidDrawLeavesItsRowEmptyAndIsNotFound) {
    const ResultGrid g =
        RunWindowAnalysis(AppearanceIntervalAnalysis(),
                          {MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {1, 7, 8, 9, 10}, 0),
                           MakeDraw(3, {1, 7, 11, 12, 13}, 14)});
    for (int c = 1; c <= 13; ++c) {
        EXPECT_EQ(g.CellText(c, 4), "") << c;
    }
    EXPECT_EQ(g.CellText(1, 5), "3");
    EXPECT_EQ(g.CellText(3, 5), "2回前");
    EXPECT_EQ(g.CellText(5, 5), "初回");
}

TEST(AppearanceInterval, HeaderOnTopAndMirroredBelowTheData) {
    std::vector<Draw> draws;
    for (int n = 1; n <= 100; ++n) {
        draws.push_back(MakeDraw(n, {1, 2, 3, 4, 5}, 6));
    }
    const ResultGrid g = RunWindowAnalysis(AppearanceIntervalAnalysis(), draws);
    ASSERT_EQ(g.RowCount(), 104);
    for (auto [bandRow, namesRow] : {std::pair{1, 2}, std::pair{104, 103}}) {
        EXPECT_EQ(g.CellText(6, bandRow), "    本 数 字     ");
        EXPECT_EQ(g.CellText(12, bandRow), "     ボ数字   　   ");
        EXPECT_EQ(g.StyleAt(6, bandRow).align, HAlign::Left);
        // Two bands with no inner lines: main numbers 2..11, bonus 12..13.
        EXPECT_EQ(g.StyleAt(6, bandRow).borders, border::kTop | border::kBottom);
        EXPECT_EQ(g.StyleAt(11, bandRow).borders, border::kRight | border::kTop | border::kBottom);
        EXPECT_EQ(g.StyleAt(12, bandRow).borders, border::kLeft | border::kTop | border::kBottom);
        EXPECT_EQ(g.CellText(1, namesRow), "回数");
        EXPECT_EQ(g.CellText(2, namesRow), "第1数字");
        EXPECT_EQ(g.CellText(10, namesRow), "第5数字");
        EXPECT_EQ(g.CellText(12, namesRow), "ボ数字");
        EXPECT_EQ(g.CellText(13, namesRow), "出現");
        EXPECT_EQ(g.StyleAt(2, namesRow).back, kPalePink);
        EXPECT_EQ(g.StyleAt(13, bandRow).back, kPalePink);
    }
    EXPECT_EQ(g.CellText(3, 102), "1回前");
}

TEST(AppearanceInterval, DrawNumbersPastTenThousandWork) {
    const ResultGrid g = RunWindowAnalysis(
        AppearanceIntervalAnalysis(),
        {MakeDraw(12000, {1, 2, 3, 4, 5}, 6), MakeDraw(12003, {6, 7, 8, 9, 10}, 11)});
    ASSERT_EQ(g.RowCount(), 12003 + 4);
    EXPECT_EQ(g.CellText(3, 4), "3回前");
}

TEST(AppearanceInterval, RealHistoryGridAndLastDraw) {
    const DrawHistory history = test::LoadRealHistory();
    const ResultGrid g = RunWindowAnalysis(AppearanceIntervalAnalysis(), history);
    EXPECT_EQ(g.ColumnCount(), 13);
    EXPECT_EQ(g.RowCount(), 1357);
    // Draw 3 repeats 1 from draw 1, and 30 and the bonus 28 from draw 2.
    EXPECT_EQ(g.CellText(3, 5), "2回前");
    EXPECT_EQ(g.CellText(11, 5), "1回前");
    EXPECT_EQ(g.CellText(13, 5), "1回前");
    // Draw 1353: 6 11 13 14 18, bonus 5.
    EXPECT_EQ(g.CellText(1, 1355), "1353");
    EXPECT_EQ(g.CellText(3, 1355), "2回前");
    EXPECT_EQ(g.CellText(7, 1355), "10回前");
    EXPECT_EQ(g.CellText(13, 1355), "1回前");
    EXPECT_EQ(g.CellText(1, 1356), "回数");
}

}  // namespace
}  // namespace pirumo
