#include "analyses/analysischarts.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace pirumo {

namespace {

std::string Decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// The band runs from the left edge of the first bar to the right edge of the last.
ChartSeries RangeBand(const ChanceTable& table) {
    ChartSeries band{
        .kind = ChartSeriesKind::Band, .role = ChartRole::ChanceRange, .name = "偶然の 95 % 範囲"};
    const auto add = [&band](double x, const ChanceFigure& figure) {
        band.x.push_back(x);
        band.y.push_back(figure.high);
        band.low.push_back(figure.low);
    };
    if (table.figures.empty()) {
        return band;
    }
    add(-0.5, table.figures.front());
    for (std::size_t i = 0; i < table.figures.size(); ++i) {
        add(static_cast<double>(i), table.figures[i]);
    }
    add(static_cast<double>(table.figures.size()) - 0.5, table.figures.back());
    return band;
}

ChartSeries ExpectedLine(const ChanceTable& table) {
    ChartSeries line{
        .kind = ChartSeriesKind::Line, .role = ChartRole::Expected, .name = "偶然の期待値"};
    for (std::size_t i = 0; i < table.figures.size(); ++i) {
        line.x.push_back(static_cast<double>(i));
        line.y.push_back(table.figures[i].expected);
    }
    return line;
}

ChartSeries OutsideMarks(const ChanceTable& table, ChartRole role) {
    ChartSeries marks{.kind = ChartSeriesKind::Points,
                      .role = role,
                      .name = role == ChartRole::Above ? "範囲より多い" : "範囲より少ない"};
    for (std::size_t i = 0; i < table.figures.size(); ++i) {
        const ChanceFigure& figure = table.figures[i];
        if (role == ChartRole::Above ? figure.observed > figure.high
                                     : figure.observed < figure.low) {
            marks.x.push_back(static_cast<double>(i));
            marks.y.push_back(figure.observed);
            marks.labels.push_back(figure.label);
        }
    }
    return marks;
}

// The observed value of the kHotColdCount-th figure in `order`, ties included beyond it.
double Threshold(const ChanceTable& table, const std::function<bool(double, double)>& order) {
    std::vector<double> observed;
    for (const ChanceFigure& figure : table.figures) {
        observed.push_back(figure.observed);
    }
    const auto nth =
        observed.begin() + std::min<std::ptrdiff_t>(kHotColdCount - 1, std::ssize(observed) - 1);
    std::nth_element(observed.begin(), nth, observed.end(), order);
    return *nth;
}

// One bar per number, coloured hot, cold or plain; a range where every number came as often
// has neither.
std::vector<ChartSeries> HotColdBars(const ChanceTable& table) {
    ChartSeries hot{.kind = ChartSeriesKind::Bars,
                    .role = ChartRole::Above,
                    .name = "よく出た数字（上位 " + std::to_string(kHotColdCount) + "）"};
    ChartSeries cold{.kind = ChartSeriesKind::Bars,
                     .role = ChartRole::Below,
                     .name = "あまり出ない数字（下位 " + std::to_string(kHotColdCount) + "）"};
    ChartSeries plain{.kind = ChartSeriesKind::Bars, .role = ChartRole::Observed, .name = "実際"};
    const double hotFrom = Threshold(table, std::greater<>());
    const double coldTo = Threshold(table, std::less<>());
    for (std::size_t i = 0; i < table.figures.size(); ++i) {
        const double observed = table.figures[i].observed;
        const bool isHot = hotFrom > coldTo && observed >= hotFrom;
        const bool isCold = hotFrom > coldTo && observed <= coldTo;
        for (ChartSeries* bars : {&hot, &cold, &plain}) {
            bars->x.push_back(static_cast<double>(i));
        }
        hot.y.push_back(isHot ? observed : 0);
        cold.y.push_back(isCold ? observed : 0);
        plain.y.push_back(isHot || isCold ? 0 : observed);
    }
    return {std::move(plain), std::move(hot), std::move(cold)};
}

Chart TableChart(const ChanceTable& table, int draws) {
    Chart chart;
    int outside = 0;
    double expectedOutside = 0;
    for (const ChanceFigure& figure : table.figures) {
        outside += figure.Outside() ? 1 : 0;
        expectedOutside += figure.outsideProbability;
        chart.categories.push_back(figure.label);
    }
    chart.title = table.title + "（" + std::to_string(draws) + " 回分、95 % 範囲の外 " +
                  std::to_string(outside) + " 個";
    if (expectedOutside > 0) {
        chart.title += "、偶然でも平均 " + Decimal(expectedOutside) + " 個";
    }
    chart.title += "）";
    chart.x.title = table.distribution ? "" : "数字";
    chart.y.title = table.unit.empty() ? "回数" : "回数（" + table.unit + "）";
    if (table.distribution) {
        ChartSeries bars{
            .kind = ChartSeriesKind::Bars, .role = ChartRole::Observed, .name = "実際"};
        for (std::size_t i = 0; i < table.figures.size(); ++i) {
            bars.x.push_back(static_cast<double>(i));
            bars.y.push_back(table.figures[i].observed);
        }
        chart.series.push_back(std::move(bars));
    } else {
        for (ChartSeries& bars : HotColdBars(table)) {
            chart.series.push_back(std::move(bars));
        }
        chart.stackedBars = true;
    }
    // Over the bars, translucent: a bar's top is read against the range.
    chart.series.push_back(RangeBand(table));
    chart.series.push_back(ExpectedLine(table));
    for (ChartRole role : {ChartRole::Above, ChartRole::Below}) {
        ChartSeries marks = OutsideMarks(table, role);
        if (!marks.x.empty()) {
            chart.series.push_back(std::move(marks));
        }
    }
    return chart;
}

}  // namespace

std::vector<Chart> ChanceCharts(const ChanceReport& report) {
    std::vector<Chart> charts;
    for (const ChanceTable& table : report.tables) {
        charts.push_back(TableChart(table, report.draws));
    }
    return charts;
}

}  // namespace pirumo
