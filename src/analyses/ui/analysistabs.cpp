#include "analyses/ui/analysistabs.h"

#include <QEvent>
#include <QTabBar>

#include "analyses/analysischarts.h"
#include "module/chartmodule.h"
#include "module/moduleloader.h"
#include "widgets/chartpane.h"
#include "widgets/windowhost.h"

namespace pirumo {

AnalysisTabs::AnalysisTabs(QWidget& table, QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("pageTabs"));
    // No frame around the pages: the grid keeps the place it had without tabs.
    setDocumentMode(true);
    addTab(&table, QStringLiteral("表"));
    table.installEventFilter(this);
    mCharts = new ChartPane(this);
    mCharts->setObjectName(QStringLiteral("chartPane"));
    addTab(mCharts, QStringLiteral("グラフ"));
}

void AnalysisTabs::ShowChartsOf(const Analysis& analysis, const WindowHost& host) {
    mCharts->Show(
        [&analysis, &host] { return ChanceCharts(analysis.chance(host.AnalysisHistory())); });
}

void AnalysisTabs::AddChartsTo(PrintDocument& document) {
    // As on screen, a little wider than high.
    constexpr double kChartAspect = 0.55;
    PrintBlock block;
    QString error;
    ChartModule* module = LoadProgramModuleAs<ChartModule>(error);
    if (module == nullptr) {
        block.lines.push_back({QStringLiteral("グラフを印刷できません。") + error});
    } else {
        for (const Chart& chart : mCharts->Charts()) {
            block.pictures.push_back(
                {kChartAspect, [module, chart](QPainter& painter, const QRectF& area) {
                     module->Paint(chart, painter, area);
                 }});
        }
    }
    document.blocks.push_back(std::move(block));
}

int AnalysisTabs::TabBarHeight() const {
    return tabBar()->sizeHint().height();
}

void AnalysisTabs::FitTablePage() {
    widget(0)->resize(width(), std::max(0, height() - TabBarHeight()));
}

bool AnalysisTabs::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget(0) && event->type() == QEvent::Resize) {
        emit TablePageResized();
    }
    return QTabWidget::eventFilter(watched, event);
}

}  // namespace pirumo
