#include <benchmark/benchmark.h>

#include <QApplication>

#include "../../tests/ui/testwindowhost.h"
#include "analyses/analysiscatalog.h"
#include "analyses/analysischarts.h"
#include "history/import/historycsv.h"
#include "module/moduleloader.h"
#include "widgets/chartpane.h"

namespace {

// The counts-per-number chart of the real history, from its comparison with chance to a painted
// pane: what opening the グラフ tab of 出現回数分析 costs once the charts module is loaded.
void BM_DrawAppearanceCountChart(benchmark::State& state) {
    // The module lies beside the programs, a folder above the benchmarks.
    pirumo::AddProgramModuleFolder(PIRUMO_MODULE_BUILD_FOLDER);
    const pirumo::DrawHistory history(pirumo::ReadCsvHistoryFile(PIRUMO_BUNDLED_HISTORY_CSV));
    const pirumo::Analysis* description = pirumo::FindAnalysis("出現回数分析");
    pirumo::ChartPane pane;
    pane.resize(900, 600);
    pane.show();
    for (auto _ : state) {
        pane.Show([&] { return pirumo::ChanceCharts(description->chance(history)); });
        pane.repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_DrawAppearanceCountChart)->Unit(benchmark::kMillisecond);

}  // namespace
