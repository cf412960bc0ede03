// The charts module: everything that links Qt Charts, loaded by the programs on their first
// chart so that a start without charts does not load it.
#include <QApplication>
#include <QChartView>
#include <QGraphicsScene>
#include <QPaintDevice>
#include <QPainter>
#include <QVBoxLayout>

#include "charts/chartbuilder.h"
#include "module/chartmodule.h"

namespace pirumo {

namespace {

// Charts are laid out at screen resolution; a printer's page gets the same chart scaled up.
constexpr double kLayoutDpi = 96;

class ChartsView : public QWidget {
public:
    explicit ChartsView(QWidget* parent) : QWidget(parent) {
        mLayout = new QVBoxLayout(this);
        mLayout->setContentsMargins(0, 0, 0, 0);
    }

    void SetCharts(const std::vector<Chart>& charts) {
        while (mViews.size() > charts.size()) {
            delete mViews.back();
            mViews.pop_back();
        }
        while (mViews.size() < charts.size()) {
            auto* view = new QChartView(this);
            view->setObjectName(QStringLiteral("chartView%1").arg(mViews.size() + 1));
            view->setRenderHint(QPainter::Antialiasing);
            view->setMinimumSize(420, 260);
            mLayout->addWidget(view, 1);
            mViews.push_back(view);
        }
        for (std::size_t i = 0; i < charts.size(); ++i) {
            QChart* old = mViews[i]->chart();
            mViews[i]->setChart(BuildChart(charts[i]));
            delete old;
        }
    }

private:
    QVBoxLayout* mLayout = nullptr;
    std::vector<QChartView*> mViews;
};

class QtChartsModule : public QObject, public ChartModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PIRUMO_CHART_MODULE_IID)
    Q_INTERFACES(pirumo::ChartModule)

public:
    QWidget* NewView(QWidget* parent) override { return new ChartsView(parent); }

    void SetCharts(QWidget& view, const std::vector<Chart>& charts) override {
        static_cast<ChartsView&>(view).SetCharts(charts);
    }

    void Paint(const Chart& chart, QPainter& painter, const QRectF& area) override {
        const QPaintDevice* device = painter.device();
        const double scale = device != nullptr ? device->logicalDpiX() / kLayoutDpi : 1.0;
        const QRectF layout(QPointF(0, 0), area.size() / std::max(scale, 0.1));
        QGraphicsScene scene;
        QChart* qchart = BuildChart(chart);
        scene.addItem(qchart);  // the scene deletes it
        qchart->setGeometry(layout);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, area, layout);
        painter.restore();
    }

    std::unique_ptr<QCoreApplication> NewApplication(int& argc, char** argv) override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        return std::make_unique<QApplication>(argc, argv);
    }
};

}  // namespace

}  // namespace pirumo

#include "qtchartsmodule.moc"
