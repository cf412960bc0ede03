#include "prediction/backtest/backtestyenchart.h"

#include <algorithm>

#include "chart/thinseries.h"
#include "prediction/backtest/backtestmoney.h"

namespace pirumo {

Chart BacktestYenChart(const BacktestResult& result, int method) {
    const auto m = static_cast<std::size_t>(method);
    Chart chart;
    chart.title = std::string(kMethodNames[m]) + ": 各行を1口ずつ買った場合の累積金額";
    chart.x.title = "回";
    chart.y.title = "円（累積）";
    ChartSeries spent{.kind = ChartSeriesKind::Line, .role = ChartRole::Loss, .name = "購入額"};
    ChartSeries expected{.kind = ChartSeriesKind::Line,
                         .role = ChartRole::Expected,
                         .name = "無作為に買った場合の期待値"};
    ChartSeries won{.kind = ChartSeriesKind::Line,
                    .role = ChartRole::Gain,
                    .name = "当せん金（実際の賞金）",
                    .emphasised = true};
    double spentSum = 0;
    double expectedSum = 0;
    double wonSum = 0;
    std::vector<TicketPurchase> purchases;
    for (const BacktestDraw& draw : result.draws) {
        const std::int64_t tickets = draw.Tickets(method);
        purchases.push_back({draw.prizes, tickets});
        if (draw.prizes) {
            spentSum += static_cast<double>(tickets * kTicketPrice);
            expectedSum += static_cast<double>(tickets) * ExpectedTicketWinnings(*draw.prizes);
            wonSum += static_cast<double>(WonAtDraw(draw, method));
        }
        for (ChartSeries* series : {&spent, &expected, &won}) {
            series->x.push_back(draw.drawNumber);
        }
        spent.y.push_back(spentSum);
        expected.y.push_back(expectedSum);
        won.y.push_back(wonSum);
    }
    // The band is drawn at most kBandPoints times: enough for a line across the chart.
    constexpr int kBandPoints = 200;
    const RunningRange range = SimulateRunningRange(purchases, kBandPoints);
    ChartSeries band{.kind = ChartSeriesKind::Band,
                     .role = ChartRole::ChanceRange,
                     .name = "無作為に買った場合の 95 % 範囲"};
    double top = 1;
    for (std::size_t k = 0; k < range.at.size(); ++k) {
        band.x.push_back(result.draws[static_cast<std::size_t>(range.at[k])].drawNumber);
        band.y.push_back(static_cast<double>(range.high[k]));
        band.low.push_back(static_cast<double>(range.low[k]));
        top = std::max(top, band.y.back());
    }
    if (!result.draws.empty()) {
        chart.x.min = result.draws.front().drawNumber;
        chart.x.max = result.draws.back().drawNumber;
    }
    chart.y.max = std::max({spentSum, expectedSum, wonSum, top}) * 1.05;
    chart.y.roundTicks = true;
    chart.series = {std::move(band), std::move(spent), std::move(expected), std::move(won)};
    for (ChartSeries& series : chart.series) {
        ThinSeries(series);
    }
    return chart;
}

}  // namespace pirumo
