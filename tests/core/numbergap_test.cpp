#include "analyses/numbergap.h"

#include <gtest/gtest.h>

#include "analyses/appearanceinterval.h"
#include "analysiswindowrun.h"

namespace pirumo {
namespace {

using test::MakeDraw;
using test::RunWindowAnalysis;

constexpr Rgb kFallColour = MakeRgb(255, 200, 255);
constexpr Rgb kPaleCyan = MakeRgb(200, 255, 255);
constexpr Rgb kWhite = MakeRgb(255, 255, 255);

TEST(NumberGap, DifferencesBySamePositionOfThePreviousDraw) {
    const ResultGrid g =
        RunWindowAnalysis(NumberGapAnalysis(),
                          {MakeDraw(1, {20, 4, 7, 8, 9}, 30), MakeDraw(2, {3, 9, 7, 10, 11}, 1)});
    ASSERT_EQ(g.ColumnCount(), 13);
    ASSERT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.CellText(2, 3), "20");
    EXPECT_EQ(g.StyleAt(2, 3).back, kPaleCyan);
    for (int c = 3; c <= 13; c += 2) {
        EXPECT_EQ(g.CellText(c, 3), "") << c;
    }
    EXPECT_EQ(g.CellText(3, 4), "-17");
    EXPECT_EQ(g.StyleAt(3, 4).back, kFallColour);
    EXPECT_EQ(g.CellText(5, 4), "+5");
    EXPECT_EQ(g.StyleAt(5, 4).back, kWhite);
    EXPECT_EQ(g.CellText(7, 4), "0");
    EXPECT_EQ(g.StyleAt(7, 4).back, kWhite);
    // The bonus 1 is compared with the previous bonus 30, not with any main number.
    EXPECT_EQ(g.CellText(13, 4), "-29");
}

TEST(NumberGap, SkippedDrawKeepsTheLastValidNumbers) {
    const ResultGrid g = RunWindowAnalysis(
        NumberGapAnalysis(), {MakeDraw(1, {1, 2, 3, 4, 5}, 6), MakeDraw(2, {9, 9, 9, 9, 9}, 0),
                              MakeDraw(3, {2, 2, 3, 4, 5}, 7)});
    for (int c = 1; c <= 13; ++c) {
        EXPECT_EQ(g.CellText(c, 4), "") << c;
    }
    EXPECT_EQ(g.CellText(3, 5), "+1");
    EXPECT_EQ(g.CellText(5, 5), "0");
    EXPECT_EQ(g.CellText(13, 5), "+1");
}

TEST(NumberGap, FirstRowNeverGetsDifferencesEvenWhenEmpty) {
    const ResultGrid g =
        RunWindowAnalysis(NumberGapAnalysis(),
                          {MakeDraw(1, {1, 2, 3, 4, 0}, 6), MakeDraw(2, {10, 11, 12, 13, 14}, 15)});
    EXPECT_EQ(g.CellText(1, 3), "");
    EXPECT_EQ(g.CellText(1, 4), "2");
    EXPECT_EQ(g.CellText(3, 4), "+10");
    EXPECT_EQ(g.CellText(13, 4), "+15");
}

TEST(NumberGap, HeaderTextsDifferFromTheIntervalWindow) {
    const ResultGrid g = RunWindowAnalysis(NumberGapAnalysis(), {MakeDraw(1, {1, 2, 3, 4, 5}, 6)});
    ASSERT_EQ(g.RowCount(), 5);
    for (auto [bandRow, namesRow] : {std::pair{1, 2}, std::pair{5, 4}}) {
        EXPECT_EQ(g.CellText(6, bandRow), "    本 数 字");
        EXPECT_EQ(g.CellText(12, bandRow), "     ボ数字   　   ");
        EXPECT_EQ(g.CellText(3, namesRow), "差分");
        EXPECT_EQ(g.CellText(13, namesRow), "差分");
        EXPECT_EQ(g.CellText(12, namesRow), "ボ数字");
    }
}

TEST(NumberGap, RealHistorySecondDraw) {
    const DrawHistory history = test::LoadRealHistory();
    const ResultGrid g = RunWindowAnalysis(NumberGapAnalysis(), history);
    EXPECT_EQ(g.RowCount(), 1357);
    // Draw 1: 1 3 17 20 25 / 26; draw 2: 2 11 12 21 30 / 28.
    EXPECT_EQ(g.CellText(3, 4), "+1");
    EXPECT_EQ(g.CellText(7, 4), "-5");
    EXPECT_EQ(g.StyleAt(7, 4).back, kFallColour);
    EXPECT_EQ(g.CellText(13, 4), "+2");
}

// Both analyses behind the paired windows: a draw keeps the place of its history row, and "no
// value" (a first appearance, the first row) stays apart from a value of 0.
TEST(PositionValueResult, IntervalsAndGapsOfValidDrawsAtTheirHistoryRows) {
    const DrawHistory history(
        {MakeDraw(1, {1, 2, 3, 4, 0}, 6), MakeDraw(2, {10, 11, 12, 13, 14}, 15),
         MakeDraw(3, {10, 11, 12, 13, 14}, 0), MakeDraw(5, {15, 11, 20, 21, 22}, 10)});
    using Values = std::array<std::optional<int>, Draw::kFieldCount>;
    constexpr std::nullopt_t none = std::nullopt;
    const struct {
        const char* what;
        PositionValueResult result;
        std::array<Values, 2> values;
    } cases[] = {
        {"interval",
         AnalyseAppearanceInterval(history),
         {Values{none, none, none, none, none, none}, Values{3, 3, none, none, none, 3}}},
        // The first valid draw is not in the first row, so it is compared with 0.
        {"gap",
         AnalyseNumberGap(history),
         {Values{10, 11, 12, 13, 14, 15}, Values{5, 0, 8, 8, 8, -5}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result.lastDrawNumber, 5) << c.what;
        ASSERT_EQ(c.result.rows.size(), 2U) << c.what;
        EXPECT_EQ(c.result.rows[0].historyIndex, 1) << c.what;
        EXPECT_EQ(c.result.rows[1].historyIndex, 3) << c.what;
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            EXPECT_EQ(c.result.rows[i].values, c.values[i]) << c.what << " row " << i;
        }
    }
}

}  // namespace
}  // namespace pirumo
