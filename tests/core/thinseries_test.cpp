#include "chart/thinseries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

namespace pirumo {
namespace {

// Lowest and highest value per column of x, as the thinning splits them.
std::map<int, std::pair<double, double>> ColumnRanges(const std::vector<double>& x,
                                                      const std::vector<double>& y, int columns) {
    std::map<int, std::pair<double, double>> ranges;
    const double span = x.back() - x.front();
    for (std::size_t i = 0; i < x.size(); ++i) {
        const int column = std::min(
            columns - 1, static_cast<int>(std::floor((x[i] - x.front()) / span * columns)));
        auto [it, added] = ranges.try_emplace(column, y[i], y[i]);
        it->second.first = std::min(it->second.first, y[i]);
        it->second.second = std::max(it->second.second, y[i]);
    }
    return ranges;
}

// A long random walk over draw numbers with gaps, as a line and as a band, keeps every column's
// ends and extremes, the first and last point, and no point that was not there.
TEST(ThinSeriesTest, KeepsEveryColumnsEndsAndExtremes) {
    std::mt19937 engine(7);
    std::uniform_real_distribution<double> step(-1.0, 1.0);
    ChartSeries line{.kind = ChartSeriesKind::Line};
    double walk = 0;
    for (int n = 51; n <= 32767; ++n) {
        if (n % 97 == 0) {
            continue;  // a draw left out
        }
        walk += step(engine);
        line.x.push_back(n);
        line.y.push_back(walk);
        line.low.push_back(walk - 2 - std::abs(step(engine)));
    }
    for (const ChartSeriesKind kind : {ChartSeriesKind::Line, ChartSeriesKind::Band}) {
        SCOPED_TRACE(static_cast<int>(kind));
        ChartSeries original = line;
        original.kind = kind;
        if (kind == ChartSeriesKind::Line) {
            original.low.clear();
        }
        ChartSeries thin = original;
        ThinSeries(thin, 500);
        ASSERT_LE(thin.x.size(), 4u * 500);
        ASSERT_EQ(thin.y.size(), thin.x.size());
        EXPECT_EQ(thin.low.size(), kind == ChartSeriesKind::Band ? thin.x.size() : 0u);
        EXPECT_EQ(thin.x.front(), original.x.front());
        EXPECT_EQ(thin.x.back(), original.x.back());
        EXPECT_TRUE(std::is_sorted(thin.x.begin(), thin.x.end()));
        for (std::size_t k = 0; k < thin.x.size(); ++k) {
            const auto at = std::lower_bound(original.x.begin(), original.x.end(), thin.x[k]);
            const auto i = static_cast<std::size_t>(at - original.x.begin());
            ASSERT_EQ(original.x[i], thin.x[k]);
            EXPECT_EQ(original.y[i], thin.y[k]);
        }
        const auto upper = ColumnRanges(original.x, original.y, 500);
        EXPECT_EQ(ColumnRanges(thin.x, thin.y, 500).size(), upper.size());
        for (const auto& [column, range] : ColumnRanges(thin.x, thin.y, 500)) {
            EXPECT_EQ(range.second, upper.at(column).second) << column;
            if (kind == ChartSeriesKind::Line) {
                EXPECT_EQ(range.first, upper.at(column).first) << column;
            }
        }
        if (kind == ChartSeriesKind::Band) {
            const auto lower = ColumnRanges(original.x, original.low, 500);
            for (const auto& [column, range] : ColumnRanges(thin.x, thin.low, 500)) {
                EXPECT_EQ(range.first, lower.at(column).first) << column;
            }
        }
    }
}

// Series short enough already, marks and bars stay exactly as they were.
TEST(ThinSeriesTest, LeavesShortSeriesAndOtherKindsAlone) {
    std::vector<double> x(4000);
    for (std::size_t i = 0; i < x.size(); ++i) {
        x[i] = static_cast<double>(i);
    }
    const std::vector<ChartSeries> unchanged{
        {.kind = ChartSeriesKind::Line, .x = x, .y = x},
        {.kind = ChartSeriesKind::Points, .x = x, .y = x, .labels = std::vector<std::string>(4000)},
        {.kind = ChartSeriesKind::Bars, .x = x, .y = x},
        {.kind = ChartSeriesKind::Line},
    };
    for (const ChartSeries& series : unchanged) {
        ChartSeries thin = series;
        ThinSeries(thin, 1000);
        EXPECT_EQ(thin, series);
    }
}

}  // namespace
}  // namespace pirumo
