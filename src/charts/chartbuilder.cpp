#include "charts/chartbuilder.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <limits>

namespace pirumo {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QColor ColourOf(ChartRole role) {
    switch (role) {
        case ChartRole::Observed:
            return QColor(220, 60, 40);
        case ChartRole::Expected:
            return QColor(90, 90, 90);
        case ChartRole::ChanceRange:
            return QColor(200, 220, 255, 160);
        case ChartRole::Above:
            return QColor(170, 0, 0);
        case ChartRole::Below:
            return QColor(20, 90, 210);
        case ChartRole::Gain:
            return QColor(40, 150, 60);
        case ChartRole::Loss:
            return QColor(200, 120, 0);
    }
    return Qt::black;
}

QLineSeries* LineOf(const ChartSeries& series, const std::vector<double>& y, QObject* parent) {
    auto* line = new QLineSeries(parent);
    for (std::size_t i = 0; i < series.x.size() && i < y.size(); ++i) {
        line->append(series.x[i], y[i]);
    }
    return line;
}

QAbstractSeries* NewLine(const ChartSeries& series, bool onCategories, QChart& chart) {
    QLineSeries* line = LineOf(series, series.y, &chart);
    line->setColor(ColourOf(series.role));
    QPen pen = line->pen();
    pen.setWidthF(series.emphasised ? 1.6 : pen.widthF());
    line->setPen(pen);
    // A line over classes is read point by point; one over draws as a whole.
    line->setPointsVisible(onCategories);
    return line;
}

// Over bars the band is fainter, so that a bar keeps its colour where it reaches into the range.
QAbstractSeries* NewBand(const ChartSeries& series, QChart& chart, bool overBars) {
    auto* area =
        new QAreaSeries(LineOf(series, series.y, &chart), LineOf(series, series.low, &chart));
    QColor fill = ColourOf(series.role);
    if (overBars) {
        fill.setAlpha(70);
    }
    area->setColor(fill);
    area->setBorderColor(QColor(150, 180, 230));
    return area;
}

// Each labelled mark is a series of its own: a series has one label format for all its points.
std::vector<QAbstractSeries*> NewMarks(const ChartSeries& series, QChart& chart) {
    std::vector<QAbstractSeries*> marks;
    const auto newMark = [&] {
        auto* mark = new QScatterSeries(&chart);
        mark->setColor(ColourOf(series.role));
        mark->setBorderColor(ColourOf(series.role).darker(130));
        mark->setMarkerSize(9);
        mark->setMarkerShape(series.role == ChartRole::Below ? QScatterSeries::MarkerShapeRectangle
                                                             : QScatterSeries::MarkerShapeCircle);
        marks.push_back(mark);
        return mark;
    };
    QScatterSeries* unlabelled = nullptr;
    for (std::size_t i = 0; i < series.x.size() && i < series.y.size(); ++i) {
        const bool labelled = i < series.labels.size() && !series.labels[i].empty();
        QScatterSeries* mark = labelled ? newMark() : unlabelled;
        if (mark == nullptr) {
            mark = unlabelled = newMark();
        }
        mark->append(series.x[i], series.y[i]);
        if (labelled) {
            // A format without @ fields is printed as it is.
            mark->setPointLabelsFormat(FromUtf8(series.labels[i]).replace(u'@', u'＠'));
            mark->setPointLabelsVisible(true);
            mark->setPointLabelsColor(ColourOf(series.role));
        }
    }
    return marks;
}

std::pair<double, double> DataRange(const Chart& chart, bool alongX) {
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (const ChartSeries& series : chart.series) {
        for (const std::vector<double>* values :
             alongX ? std::vector{&series.x} : std::vector{&series.y, &series.low}) {
            for (double value : *values) {
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
    }
    if (low > high) {
        return {0, 1};
    }
    return {low, high};
}

QValueAxis* NewValueAxis(const ChartAxis& axis, const Chart& chart, bool alongX, QChart& parent) {
    auto* valueAxis = new QValueAxis(&parent);
    valueAxis->setTitleText(FromUtf8(axis.title));
    valueAxis->setLabelFormat(axis.decimals == 0 ? QStringLiteral("%d")
                                                 : QStringLiteral("%.%1f").arg(axis.decimals));
    if (axis.min != 0 || axis.max != 0) {
        valueAxis->setRange(axis.min, axis.max);
        if (axis.roundTicks) {
            valueAxis->applyNiceNumbers();
        }
    } else if (alongX) {
        const auto [low, high] = DataRange(chart, true);
        valueAxis->setRange(low, high);
    } else {
        // Counts and money are read from zero; a little room above the highest value.
        const auto [low, high] = DataRange(chart, false);
        const double top = std::max(high, 0.0);
        const double bottom = std::min(low, 0.0);
        valueAxis->setRange(bottom, top + std::max(1.0, (top - bottom) * 0.08));
        valueAxis->applyNiceNumbers();
    }
    return valueAxis;
}

}  // namespace

QChart* BuildChart(const Chart& description) {
    auto* chart = new QChart();
    chart->setTitle(FromUtf8(description.title));

    QAbstractBarSeries* bars = nullptr;
    std::vector<QAbstractSeries*> repeatedMarks;
    for (const ChartSeries& series : description.series) {
        std::vector<QAbstractSeries*> added;
        switch (series.kind) {
            case ChartSeriesKind::Bars: {
                if (bars == nullptr) {
                    bars = description.stackedBars
                               ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries(chart))
                               : new QBarSeries(chart);
                    bars->setBarWidth(0.8);
                    added.push_back(bars);
                }
                auto* set = new QBarSet(FromUtf8(series.name), bars);
                for (double value : series.y) {
                    set->append(value);
                }
                QColor fill = ColourOf(series.role);
                fill.setAlpha(190);
                set->setColor(fill);
                set->setBorderColor(ColourOf(series.role).darker(120));
                bars->append(set);
                break;
            }
            case ChartSeriesKind::Line:
                added.push_back(NewLine(series, !description.categories.empty(), *chart));
                break;
            case ChartSeriesKind::Band:
                added.push_back(NewBand(series, *chart, bars != nullptr));
                break;
            case ChartSeriesKind::Points:
                added = NewMarks(series, *chart);
                break;
        }
        for (std::size_t i = 0; i < added.size(); ++i) {
            added[i]->setName(FromUtf8(series.name));
            chart->addSeries(added[i]);
            // Marks split into several series keep one legend entry.
            if (i > 0) {
                repeatedMarks.push_back(added[i]);
            }
        }
    }

    QAbstractAxis* axisX = nullptr;
    if (!description.categories.empty()) {
        auto* categories = new QBarCategoryAxis(chart);
        for (const std::string& name : description.categories) {
            categories->append(FromUtf8(name));
        }
        categories->setTitleText(FromUtf8(description.x.title));
        axisX = categories;
    } else {
        axisX = NewValueAxis(description.x, description, true, *chart);
    }
    QValueAxis* axisY = NewValueAxis(description.y, description, false, *chart);
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    // A bar set has a marker of its own, so that markers, not series, are left out by name.
    for (QLegendMarker* marker : chart->legend()->markers()) {
        marker->setVisible(!marker->label().isEmpty() &&
                           std::find(repeatedMarks.begin(), repeatedMarks.end(),
                                     marker->series()) == repeatedMarks.end());
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

}  // namespace pirumo
