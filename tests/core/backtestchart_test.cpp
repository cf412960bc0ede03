#include <gtest/gtest.h>

#include <cmath>

#include "history/store/samplehistory.h"
#include "prediction/backtest/backtestchart.h"

namespace pirumo {
namespace {

// The chart's last point is the summary the table shows, the band is symmetric about the chance
// line and never narrows, and the y axis holds every point.
TEST(BacktestChartTest, EndsAtTheSummaryInsideItsAxis) {
    const BacktestResult result = RunBacktest(DrawHistory(MakeSampleHistory(140, 3)), {}, 51, 140);
    for (int method = 0; method < kMethodCount; ++method) {
        SCOPED_TRACE(method);
        const Chart chart = BacktestChart(result, method);
        ASSERT_EQ(chart.series.size(), 3u);
        const ChartSeries& band = chart.series[0];
        const ChartSeries& chance = chart.series[1];
        const ChartSeries& actual = chart.series[2];
        EXPECT_EQ(band.kind, ChartSeriesKind::Band);
        EXPECT_EQ(actual.role, ChartRole::Observed);
        ASSERT_EQ(actual.x.size(), result.draws.size());
        EXPECT_EQ(actual.x.front(), result.draws.front().drawNumber);
        EXPECT_EQ(chart.x.max, result.draws.back().drawNumber);

        const MethodSummary& summary = result.summary[static_cast<std::size_t>(method)];
        EXPECT_NEAR(actual.y.back(), static_cast<double>(summary.matches) - summary.chanceMatches,
                    1e-9);
        EXPECT_NEAR(band.y.back(), 1.959964 * std::sqrt(summary.chanceVariance), 1e-6);
        for (std::size_t i = 0; i < actual.x.size(); ++i) {
            EXPECT_EQ(chance.y[i], 0);
            EXPECT_EQ(band.low[i], -band.y[i]);
            EXPECT_GE(band.y[i], i == 0 ? 0 : band.y[i - 1]);
            EXPECT_GE(actual.y[i], chart.y.min);
            EXPECT_LE(actual.y[i], chart.y.max);
        }
    }
}

}  // namespace
}  // namespace pirumo
