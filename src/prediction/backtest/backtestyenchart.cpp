#include "prediction/backtest/backtestyenchart.h"

#include <algorithm>

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
    for (const BacktestDraw& draw : result.draws) {
        if (draw.prizes) {
            const auto tickets = static_cast<double>(
                std::count_if(draw.shown[m].begin(), draw.shown[m].end(),
                              [](const std::vector<int>& row) { return IsTicket(row); }));
            spentSum += tickets * kTicketPrice;
            expectedSum += tickets * ExpectedTicketWinnings(*draw.prizes);
            wonSum += static_cast<double>(WonAtDraw(draw, method));
        }
        for (ChartSeries* series : {&spent, &expected, &won}) {
            series->x.push_back(draw.drawNumber);
        }
        spent.y.push_back(spentSum);
        expected.y.push_back(expectedSum);
        won.y.push_back(wonSum);
    }
    if (!result.draws.empty()) {
        chart.x.min = result.draws.front().drawNumber;
        chart.x.max = result.draws.back().drawNumber;
    }
    chart.y.max = std::max({spentSum, expectedSum, wonSum, 1.0}) * 1.05;
    chart.y.roundTicks = true;
    chart.series = {std::move(spent), std::move(expected), std::move(won)};
    return chart;
}

}  // namespace pirumo
