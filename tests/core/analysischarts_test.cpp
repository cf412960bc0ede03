#include <gtest/gtest.h>

#include <algorithm>

#include "analyses/analysischarts.h"

namespace pirumo {
namespace {

// A figure of a table whose eight figures are each outside their range one time in twenty.
ChanceFigure Figure(std::string label, double observed) {
    return {.label = std::move(label),
            .observed = observed,
            .expected = 10,
            .low = 8,
            .high = 12,
            .outsideProbability = 0.05};
}

const ChartSeries* SeriesNamed(const Chart& chart, const std::string& prefix) {
    const auto found =
        std::find_if(chart.series.begin(), chart.series.end(),
                     [&](const ChartSeries& s) { return s.name.starts_with(prefix); });
    return found == chart.series.end() ? nullptr : &*found;
}

// Counts per number: each number's bar in exactly one of plain, hot and cold; the three most and
// least drawn are hot and cold (ties with the third included); figures outside the range are
// marked with their label; the band covers every bar whole.
TEST(AnalysisChartsTest, CountsPerNumberPickOutHotColdAndOutside) {
    ChanceReport report{
        .draws = 50,
        .tables = {{.title = "数字ごとの出現回数",
                    .unit = "回",
                    .figures = {Figure("1", 13), Figure("2", 10), Figure("3", 11), Figure("4", 11),
                                Figure("5", 7), Figure("6", 9), Figure("7", 10), Figure("8", 9)}}},
        .test = {}};
    const std::vector<Chart> charts = ChanceCharts(report);
    ASSERT_EQ(charts.size(), 1u);
    const Chart& chart = charts[0];
    EXPECT_EQ(chart.categories, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_TRUE(chart.stackedBars);
    EXPECT_NE(chart.title.find("95 % 範囲の外 2 個、偶然でも平均 0.4 個"), std::string::npos);

    const ChartSeries* plain = SeriesNamed(chart, "実際");
    const ChartSeries* hot = SeriesNamed(chart, "よく出た数字");
    const ChartSeries* cold = SeriesNamed(chart, "あまり出ない数字");
    ASSERT_TRUE(plain && hot && cold);
    EXPECT_EQ(hot->y, (std::vector<double>{13, 0, 11, 11, 0, 0, 0, 0}));
    EXPECT_EQ(cold->y, (std::vector<double>{0, 0, 0, 0, 7, 9, 0, 9}));
    for (std::size_t i = 0; i < plain->y.size(); ++i) {
        EXPECT_EQ(plain->y[i] + hot->y[i] + cold->y[i], report.tables[0].figures[i].observed);
    }

    const ChartSeries* above = SeriesNamed(chart, "範囲より多い");
    const ChartSeries* below = SeriesNamed(chart, "範囲より少ない");
    ASSERT_TRUE(above && below);
    EXPECT_EQ(above->labels, std::vector<std::string>{"1"});
    EXPECT_EQ(below->x, std::vector<double>{4});

    const ChartSeries* band = SeriesNamed(chart, "偶然の 95 % 範囲");
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->x.front(), -0.5);
    EXPECT_EQ(band->x.back(), 7.5);
}

// A distribution is one bar series beside its expectation; a range where every number came as
// often has no hot or cold numbers; no figure outside, no marks.
TEST(AnalysisChartsTest, DistributionsAndEvenCountsHaveNoHotColdOrMarks) {
    ChanceReport report{.draws = 30,
                        .tables = {{.title = "奇数・偶数",
                                    .unit = "回",
                                    .distribution = true,
                                    .figures = {Figure("奇5", 9), Figure("奇4偶1", 11)}},
                                   {.title = "数字ごとの出現回数",
                                    .unit = "回",
                                    .figures = {Figure("1", 10), Figure("2", 10)}}},
                        .test = {}};
    const std::vector<Chart> charts = ChanceCharts(report);
    ASSERT_EQ(charts.size(), 2u);
    EXPECT_FALSE(charts[0].stackedBars);
    EXPECT_EQ(SeriesNamed(charts[0], "実際")->y, (std::vector<double>{9, 11}));
    EXPECT_EQ(SeriesNamed(charts[0], "偶然の期待値")->y, (std::vector<double>{10, 10}));
    EXPECT_EQ(SeriesNamed(charts[1], "実際")->y, (std::vector<double>{10, 10}));
    for (const Chart& chart : charts) {
        EXPECT_EQ(SeriesNamed(chart, "範囲より"), nullptr);
    }
}

}  // namespace
}  // namespace pirumo
