#pragma once

#include <QObject>
#include <QRectF>
#include <QtPlugin>
#include <memory>
#include <vector>

#include "chart/chart.h"

class QCoreApplication;
class QPainter;
class QWidget;

namespace pirumo {

// What the charts module (Qt Charts, loaded on the first chart) does for the program.
class ChartModule {
public:
    static constexpr char kModuleName[] = "pirumo-charts";

    virtual ~ChartModule() = default;

    // An empty view for a window; SetCharts fills it.
    virtual QWidget* NewView(QWidget* parent) = 0;
    // Shows `charts` in a view made by NewView, one under the other.
    virtual void SetCharts(QWidget& view, const std::vector<Chart>& charts) = 0;
    // Draws a chart into `area` of a page or picture, as the view shows it.
    virtual void Paint(const Chart& chart, QPainter& painter, const QRectF& area) = 0;
    // Charts are widgets: a program that draws them without windows needs a widget application
    // (on the offscreen platform when no display is set).
    virtual std::unique_ptr<QCoreApplication> NewApplication(int& argc, char** argv) = 0;
};

}  // namespace pirumo

#define PIRUMO_CHART_MODULE_IID "jp.pirumo.ChartModule/1"
Q_DECLARE_INTERFACE(pirumo::ChartModule, PIRUMO_CHART_MODULE_IID)
