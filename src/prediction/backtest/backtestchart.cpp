#include "prediction/backtest/backtestchart.h"

#include <algorithm>
#include <cmath>

#include "chart/thinseries.h"

namespace pirumo {

namespace {

constexpr double kZ95 = 1.959964;

}  // namespace

Chart BacktestChart(const BacktestResult& result, int method) {
    Chart chart;
    chart.title =
        std::string(kMethodNames[static_cast<std::size_t>(method)]) + ": 累積一致数 − 偶然の期待値";
    chart.x.title = "回";
    chart.y.title = "一致数の差（累積）";
    ChartSeries band{
        .kind = ChartSeriesKind::Band, .role = ChartRole::ChanceRange, .name = "偶然の 95 % 範囲"};
    ChartSeries chance{.kind = ChartSeriesKind::Line,
                       .role = ChartRole::Expected,
                       .name = "偶然（無作為に同じ個数を選ぶ）"};
    ChartSeries actual{.kind = ChartSeriesKind::Line,
                       .role = ChartRole::Observed,
                       .name = "この方法の予想",
                       .emphasised = true};

    std::array<MethodSummary, kMethodCount> running;
    double low = -1;
    double high = 1;
    for (const BacktestDraw& draw : result.draws) {
        AddToSummary(draw, running);
        const MethodSummary& s = running[static_cast<std::size_t>(method)];
        const double x = draw.drawNumber;
        const double excess = static_cast<double>(s.matches) - s.chanceMatches;
        const double width = kZ95 * std::sqrt(s.chanceVariance);
        for (ChartSeries* series : {&band, &chance, &actual}) {
            series->x.push_back(x);
        }
        actual.y.push_back(excess);
        chance.y.push_back(0);
        band.y.push_back(width);
        band.low.push_back(-width);
        low = std::min({low, excess, -width});
        high = std::max({high, excess, width});
    }
    if (!result.draws.empty()) {
        chart.x.min = result.draws.front().drawNumber;
        chart.x.max = result.draws.back().drawNumber;
    }
    chart.y.min = std::floor(low * 1.1);
    chart.y.max = std::ceil(high * 1.1);
    chart.y.roundTicks = true;
    chart.series = {std::move(band), std::move(chance), std::move(actual)};
    for (ChartSeries& series : chart.series) {
        ThinSeries(series);
    }
    return chart;
}

}  // namespace pirumo
