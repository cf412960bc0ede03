#include "analyses/appearancebycount.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "analysiswindowrun.h"

namespace pirumo {
namespace {

using test::MakeDraw;
using test::RunWindowAnalysis;

constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kPalePink = MakeRgb(255, 200, 200);

TEST(AppearanceByCount, CaptionDiffersFromTheName) {
    const Analysis w = AppearanceByCountAnalysis();
    EXPECT_EQ(w.name, "回数別出現分析");
    EXPECT_EQ(w.caption, "回数別頻度分析");
}

TEST(AppearanceByCount, OneRowPerCountFromZeroUp) {
    // Only draw 1 is complete: 1..5 and 9 (its bonus) once, every other number never.
    const ResultGrid g =
        RunWindowAnalysis(AppearanceByCountAnalysis(),
                          {MakeDraw(1, {1, 2, 3, 4, 5}, 9), MakeDraw(2, {5, 6, 9, 30, 0}, 7),
                           MakeDraw(3, {9, 5, 6, 3, 11}, 0)});
    ASSERT_EQ(g.ColumnCount(), 2);
    ASSERT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.CellText(1, 1), "出 現");
    EXPECT_EQ(g.CellText(2, 1), "数 字");
    EXPECT_EQ(g.StyleAt(2, 1).back, kPalePink);
    EXPECT_EQ(g.CellText(1, 2), "0回");
    EXPECT_EQ(g.CellText(2, 2),
              "6,7,8,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,"
              "29,30,31");
    EXPECT_EQ(g.CellText(1, 3), "1回");
    EXPECT_EQ(g.CellText(2, 3), "1,2,3,4,5,9");
    // The highest count (1) is below the row count; every list row still reads blue, left.
    for (int row = 2; row <= 3; ++row) {
        EXPECT_EQ(g.StyleAt(2, row).fore, kBlue) << row;
        EXPECT_EQ(g.StyleAt(2, row).align, HAlign::Left) << row;
    }
}

TEST(AppearanceByCount, EqualCountsShareARow) {
    const ResultGrid g =
        RunWindowAnalysis(AppearanceByCountAnalysis(),
                          {MakeDraw(1, {1, 2, 3, 4, 5}, 9), MakeDraw(2, {5, 9, 10, 11, 12}, 13)});
    ASSERT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.CellText(1, 4), "2回");
    EXPECT_EQ(g.CellText(2, 4), "5,9");
}

TEST(AppearanceByCount, EmptyHistoryShowsOnlyTheHeader) {
    const ResultGrid g = RunWindowAnalysis(AppearanceByCountAnalysis(), std::vector<Draw>{});
    ASSERT_EQ(g.RowCount(), 1);
    EXPECT_EQ(g.CellText(1, 1), "出 現");
}

TEST(AppearanceByCount, RealHistoryListsEveryNumberOnce) {
    const DrawHistory history = test::LoadRealHistory();
    const ResultGrid g = RunWindowAnalysis(AppearanceByCountAnalysis(), history);
    ASSERT_EQ(g.RowCount(), history.CountGroupRows());
    int listed = 0;
    for (int row = 2; row <= g.RowCount(); ++row) {
        const std::string& numbers = g.CellText(2, row);
        listed += 1 + static_cast<int>(std::count(numbers.begin(), numbers.end(), ','));
    }
    EXPECT_EQ(listed, 31);
    EXPECT_EQ(g.CellText(1, g.RowCount()), std::to_string(history.MaxCount()) + "回");
}

TEST(AppearanceByCountResult, GroupsByCount) {
    std::vector<int> all(31);
    std::iota(all.begin(), all.end(), 1);
    const struct {
        const char* what;
        std::vector<Draw> draws;
        std::vector<CountGroup> groups;
    } cases[] = {
        {"no rows", {}, {}},
        {"invalid rows only", {MakeDraw(1, {1, 2, 3, 4, 5}, 0)}, {{0, all}}},
        {"bonus counted, invalid row not",
         {MakeDraw(1, {1, 5, 9, 10, 11}, 12), MakeDraw(2, {1, 2, 3, 4, 5}, 0),
          MakeDraw(3, {13, 14, 15, 16, 17}, 9), MakeDraw(4, {18, 19, 20, 21, 22}, 5)},
         {{0, {2, 3, 4, 6, 7, 8, 23, 24, 25, 26, 27, 28, 29, 30, 31}},
          {1, {1, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}},
          {2, {5, 9}}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AnalyseAppearanceByCount(DrawHistory(c.draws)).groups, c.groups) << c.what;
    }
}

}  // namespace
}  // namespace pirumo
