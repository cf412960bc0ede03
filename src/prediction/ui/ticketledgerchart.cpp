#include "prediction/ui/ticketledgerchart.h"

#include <QAreaSeries>
#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace pirumo {

TicketLedgerChart::TicketLedgerChart(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(420, 240);
}

void TicketLedgerChart::Show(const TicketLedger& ledger) {
    auto* chart = new QChart();
    chart->setTitle(QStringLiteral("収支の累計（賞金データのある回）"));
    auto* spent = new QLineSeries(chart);
    spent->setName(QStringLiteral("購入額"));
    auto* won = new QLineSeries(chart);
    won->setName(QStringLiteral("当せん金"));
    auto* random = new QLineSeries(chart);
    random->setName(QStringLiteral("無作為に買った場合の平均"));
    auto* upper = new QLineSeries(chart);
    auto* lower = new QLineSeries(chart);

    double high = 1000;
    int first = 0;
    int last = 0;
    for (const LedgerDraw& row : ledger.draws) {
        if (!row.hasPrizes) {
            continue;
        }
        const double x = row.result.drawNumber;
        first = first == 0 ? row.result.drawNumber : first;
        last = row.result.drawNumber;
        spent->append(x, static_cast<double>(row.cumulativeSpent));
        won->append(x, static_cast<double>(row.cumulativeWon));
        random->append(x, row.cumulativeExpected);
        high = std::max({high, static_cast<double>(row.cumulativeSpent),
                         static_cast<double>(row.cumulativeWon)});
    }
    for (const LedgerRangePoint& point : ledger.rangePoints) {
        upper->append(point.drawNumber, static_cast<double>(point.random.highWon));
        lower->append(point.drawNumber, static_cast<double>(point.random.lowWon));
        high = std::max(high, static_cast<double>(point.random.highWon));
    }
    auto* area = new QAreaSeries(upper, lower);
    area->setName(QStringLiteral("無作為に買った場合の 95 % 範囲"));
    area->setColor(QColor(200, 220, 255, 160));
    area->setBorderColor(QColor(150, 180, 230));
    spent->setColor(QColor(90, 90, 90));
    random->setColor(QColor(60, 110, 200));
    won->setColor(QColor(220, 60, 40));
    QPen pen = won->pen();
    pen.setWidthF(1.6);
    won->setPen(pen);
    chart->addSeries(area);
    chart->addSeries(spent);
    chart->addSeries(random);
    chart->addSeries(won);

    auto* axisX = new QValueAxis(chart);
    axisX->setTitleText(QStringLiteral("回"));
    axisX->setLabelFormat(QStringLiteral("%d"));
    if (first != 0) {
        axisX->setRange(first, std::max(last, first + 1));
    }
    auto* axisY = new QValueAxis(chart);
    axisY->setTitleText(QStringLiteral("円（累計）"));
    axisY->setLabelFormat(QStringLiteral("%.0f"));
    axisY->setRange(0, high * 1.1);
    axisY->applyNiceNumbers();
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    QChart* old = this->chart();
    setChart(chart);
    delete old;
}

}  // namespace pirumo
