#include "prediction/tickets/ticketledgerchart.h"

#include <algorithm>

namespace pirumo {

Chart TicketLedgerChart(const TicketLedger& ledger) {
    Chart chart;
    chart.title = "収支の累計（賞金データのある回）";
    chart.x.title = "回";
    chart.y.title = "円（累計）";
    ChartSeries band{.kind = ChartSeriesKind::Band,
                     .role = ChartRole::ChanceRange,
                     .name = "無作為に買った場合の 95 % 範囲"};
    ChartSeries random{.kind = ChartSeriesKind::Line,
                       .role = ChartRole::Expected,
                       .name = "無作為に買った場合の平均"};
    ChartSeries spent{.kind = ChartSeriesKind::Line, .role = ChartRole::Loss, .name = "購入額"};
    ChartSeries won{.kind = ChartSeriesKind::Line,
                    .role = ChartRole::Gain,
                    .name = "当せん金",
                    .emphasised = true};
    for (const LedgerDraw& row : ledger.draws) {
        if (!row.hasPrizes) {
            continue;
        }
        const double x = row.result.drawNumber;
        for (ChartSeries* series : {&random, &spent, &won}) {
            series->x.push_back(x);
        }
        spent.y.push_back(static_cast<double>(row.cumulativeSpent));
        won.y.push_back(static_cast<double>(row.cumulativeWon));
        random.y.push_back(row.cumulativeExpected);
    }
    for (const LedgerRangePoint& point : ledger.rangePoints) {
        band.x.push_back(point.drawNumber);
        band.y.push_back(static_cast<double>(point.high));
        band.low.push_back(static_cast<double>(point.low));
    }
    if (!won.x.empty()) {
        chart.x.min = won.x.front();
        chart.x.max = std::max(won.x.back(), won.x.front() + 1);
    }
    chart.y.roundTicks = true;
    chart.series = {std::move(band), std::move(random), std::move(spent), std::move(won)};
    return chart;
}

}  // namespace pirumo
