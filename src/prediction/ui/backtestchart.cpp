#include "prediction/ui/backtestchart.h"

#include <QAreaSeries>
#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace pirumo {

namespace {

constexpr double kZ95 = 1.959964;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

BacktestChart::BacktestChart(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(420, 260);
}

void BacktestChart::Show(const BacktestResult& result, int method) {
    auto* chart = new QChart();
    chart->setTitle(QStringLiteral("%1: 累積一致数 − 偶然の期待値")
                        .arg(FromUtf8(kMethodNames[static_cast<std::size_t>(method)])));
    auto* actual = new QLineSeries(chart);
    actual->setName(QStringLiteral("この方法の予想"));
    auto* chance = new QLineSeries(chart);
    chance->setName(QStringLiteral("偶然（無作為に同じ個数を選ぶ）"));
    auto* upper = new QLineSeries(chart);
    auto* lower = new QLineSeries(chart);

    std::array<MethodSummary, kMethodCount> running;
    double low = -1;
    double high = 1;
    for (const BacktestDraw& draw : result.draws) {
        AddToSummary(draw, running);
        const MethodSummary& s = running[static_cast<std::size_t>(method)];
        const double x = draw.drawNumber;
        const double excess = static_cast<double>(s.matches) - s.chanceMatches;
        const double band = kZ95 * std::sqrt(s.chanceVariance);
        actual->append(x, excess);
        chance->append(x, 0);
        upper->append(x, band);
        lower->append(x, -band);
        low = std::min({low, excess, -band});
        high = std::max({high, excess, band});
    }
    auto* area = new QAreaSeries(upper, lower);
    area->setName(QStringLiteral("偶然の 95 % 範囲"));
    area->setColor(QColor(200, 220, 255, 160));
    area->setBorderColor(QColor(150, 180, 230));
    chance->setColor(QColor(90, 90, 90));
    actual->setColor(QColor(220, 60, 40));
    QPen pen = actual->pen();
    pen.setWidthF(1.6);
    actual->setPen(pen);
    chart->addSeries(area);
    chart->addSeries(chance);
    chart->addSeries(actual);

    auto* axisX = new QValueAxis(chart);
    axisX->setTitleText(QStringLiteral("回"));
    axisX->setLabelFormat(QStringLiteral("%d"));
    if (!result.draws.empty()) {
        axisX->setRange(result.draws.front().drawNumber, result.draws.back().drawNumber);
    }
    auto* axisY = new QValueAxis(chart);
    axisY->setTitleText(QStringLiteral("一致数の差（累積）"));
    axisY->setLabelFormat(QStringLiteral("%d"));
    axisY->setRange(std::floor(low * 1.1), std::ceil(high * 1.1));
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
