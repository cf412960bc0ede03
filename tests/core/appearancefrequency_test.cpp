#include "analyses/appearancefrequency.h"

#include <gtest/gtest.h>

#include "analyses/analysiscolours.h"
#include "analysiswindowrun.h"

namespace pirumo {
namespace {

using test::MakeDraw;
using test::RunWindowAnalysis;

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr int kTitleColumn = 26;

// 31 drawn in all three draws (twice as bonus), 7 only as bonus, 5 once, 9 in an invalid row.
std::vector<Draw> SmallHistory() {
    return {
        MakeDraw(1, {1, 2, 3, 4, 31}, 5),      MakeDraw(2, {1, 2, 3, 4, 9}, 0),
        MakeDraw(3, {10, 11, 12, 13, 14}, 31), MakeDraw(4, {20, 21, 22, 23, 24}, 31),
        MakeDraw(5, {15, 16, 17, 18, 19}, 7),
    };
}

TEST(AppearanceFrequency, DotsFollowTheDrawsWithOneColourPerRole) {
    const ResultGrid g = RunWindowAnalysis(AppearanceFrequencyAnalysis(), SmallHistory());
    // Highest count 3 (31): chart columns 2..4, number columns 1 and 5.
    ASSERT_EQ(g.ColumnCount(), 5);
    ASSERT_EQ(g.RowCount(), 33);
    EXPECT_EQ(g.CellText(1, 2), "数字");
    EXPECT_EQ(g.CellText(5, 2), "数字");
    for (int n = 1; n <= 31; ++n) {
        EXPECT_EQ(g.CellText(1, n + 2), std::to_string(n));
        EXPECT_EQ(g.CellText(5, n + 2), std::to_string(n));
    }
    EXPECT_EQ(g.CellText(2, 2), "1");
    EXPECT_EQ(g.CellText(3, 2), "2");
    EXPECT_EQ(g.CellText(4, 2), "3");
    EXPECT_EQ(g.StyleAt(3, 2).fore, kRed);

    // 31: main, then bonus twice; its last dot is in column ChartWidth + 1.
    const int row31 = 33;
    EXPECT_EQ(g.CellText(2, row31), "●");
    EXPECT_EQ(g.StyleAt(2, row31).fore, kMainNumberMarkColour);
    EXPECT_EQ(g.CellText(3, row31), "●");
    EXPECT_EQ(g.StyleAt(3, row31).fore, kBonusNumberMarkColour);
    EXPECT_EQ(g.CellText(4, row31), "●");
    EXPECT_EQ(g.StyleAt(4, row31).fore, kBonusNumberMarkColour);

    EXPECT_EQ(g.CellText(2, 7 + 2), "●");
    EXPECT_EQ(g.StyleAt(2, 7 + 2).fore, kBonusNumberMarkColour);
    // The invalid row 2 counts for nothing: 1 has one dot, 9 none.
    EXPECT_EQ(g.CellText(2, 1 + 2), "●");
    EXPECT_EQ(g.CellText(3, 1 + 2), "");
    EXPECT_EQ(g.CellText(2, 9 + 2), "");
}

TEST(AppearanceFrequency, TitleNeedsTwentySixColumns) {
    std::vector<Draw> draws;
    for (int n = 1; n <= 23; ++n) {
        draws.push_back(MakeDraw(n, {1, 2, 3, 4, 5}, 6));
    }
    const auto hasTitle = [](const ResultGrid& g) {
        for (int c = 1; c <= g.ColumnCount(); ++c) {
            if (!g.CellText(c, 1).empty()) {
                return true;
            }
        }
        return false;
    };
    const ResultGrid narrow = RunWindowAnalysis(AppearanceFrequencyAnalysis(), draws);
    EXPECT_EQ(narrow.ColumnCount(), 25);
    EXPECT_FALSE(hasTitle(narrow));

    draws.push_back(MakeDraw(24, {1, 2, 3, 4, 5}, 6));
    const ResultGrid just = RunWindowAnalysis(AppearanceFrequencyAnalysis(), draws);
    ASSERT_EQ(just.ColumnCount(), 26);
    EXPECT_EQ(just.CellText(kTitleColumn, 1), "出 　現 　頻 　度（回）");

    // Left of the last column the title keeps its own colour.
    draws.push_back(MakeDraw(25, {1, 2, 3, 4, 5}, 6));
    const ResultGrid wide = RunWindowAnalysis(AppearanceFrequencyAnalysis(), draws);
    EXPECT_EQ(wide.StyleAt(kTitleColumn, 1).fore, kRed);
    EXPECT_EQ(wide.StyleAt(kTitleColumn, 1).align, HAlign::Left);
}

TEST(AppearanceFrequency, EmptyHistoryKeepsTheNumberColumns) {
    const ResultGrid g = RunWindowAnalysis(AppearanceFrequencyAnalysis(), std::vector<Draw>{});
    ASSERT_EQ(g.ColumnCount(), 2);
    EXPECT_EQ(g.CellText(1, 33), "31");
    EXPECT_EQ(g.CellText(2, 33), "31");
}

TEST(AppearanceFrequency, RealHistoryRunsAreTheNumberCounts) {
    const DrawHistory history = test::LoadRealHistory();
    const ResultGrid g = RunWindowAnalysis(AppearanceFrequencyAnalysis(), history);
    EXPECT_EQ(g.ColumnCount(), history.MaxCount() + 2);
    EXPECT_EQ(g.RowCount(), 33);
    for (int n = 1; n <= 31; ++n) {
        const int count = history.NumberCounts()[static_cast<std::size_t>(n)];
        EXPECT_EQ(g.CellText(count + 1, n + 2), "●") << n;
        EXPECT_EQ(g.CellText(count + 2, n + 2),
                  count + 2 == g.ColumnCount() ? std::to_string(n) : "")
            << n;
    }
}

// A number in two fields of one draw is one appearance (the bonus one when the bonus is among
// them) that still counts twice, so the number's next appearance sits two places on.
TEST(AppearanceFrequencyResult, NumberRepeatedInADrawIsOneAppearanceCountedTwice) {
    const AppearanceFrequencyResult result = AnalyseAppearanceFrequency(
        DrawHistory({MakeDraw(1, {5, 5, 1, 2, 3}, 4), MakeDraw(2, {1, 2, 3, 4, 6}, 5),
                     MakeDraw(3, {7, 8, 9, 10, 5}, 5), MakeDraw(4, {5, 11, 12, 13, 14}, 15)}));
    const std::vector<NumberAppearance> fives = {
        {.drawNumber = 1, .earlierCount = 0, .bonus = false},
        {.drawNumber = 2, .earlierCount = 2, .bonus = true},
        {.drawNumber = 3, .earlierCount = 3, .bonus = true},
        {.drawNumber = 4, .earlierCount = 5, .bonus = false}};
    EXPECT_EQ(result.appearances[5], fives);
    EXPECT_EQ(result.counts[5], 6);
    EXPECT_EQ(result.appearances[1].size(), 2U);
}

}  // namespace
}  // namespace pirumo
