#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "../../tests/ui/testwindowhost.h"
#include "analyses/analysiscatalog.h"
#include "analyses/ui/analysiswindow.h"
#include "history/import/historycsv.h"
#include "history/store/historyfile.h"
#include "widgets/gridview.h"

namespace {

void RunDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The real history imported into a history file in a temporary folder, once per run.
const std::filesystem::path& RealHistoryFile() {
    static const std::filesystem::path file = [] {
        const std::filesystem::path csv(PIRUMO_BUNDLED_HISTORY_CSV);
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pirumo-bench-XXXXXX").string();
        const std::filesystem::path folder = ::mkdtemp(pattern.data());
        const std::filesystem::path history = folder / "Pirumo.mdb";
        pirumo::ReplaceHistoryFile(history, pirumo::ReadCsvHistoryFile(csv));
        return history;
    }();
    return file;
}

// From creating the 出現回数分析 window to its first paint, on the real history.
void BM_OpenAppearanceCountWindow(benchmark::State& state) {
    const std::filesystem::path& history = RealHistoryFile();
    const pirumo::Analysis* description = pirumo::FindAnalysis("出現回数分析");
    pirumo::test::TestWindowHost host(pirumo::OpenDrawHistory(history));
    host.Window().resize(1400, 1100);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        auto& window = host.Add(new pirumo::AnalysisWindow(*description, host));
        window.Load();
        window.show();
        // Lays the window out and paints each of its widgets once; a repaint() after it would
        // count a second paint that opening a window does not do.
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.close();
        RunDeferredDeletes();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenAppearanceCountWindow)->Unit(benchmark::kMillisecond);

// One page down and a repaint, through a 1,400 x 33 grid with text and borders in every cell.
void BM_ScrollLargeGrid(benchmark::State& state) {
    pirumo::ResultGrid grid;
    grid.SetColumnCount(33);
    grid.SetRowCount(1400);
    grid.SetVisibleSize(33, 52);
    grid.SetHeadersVisible(false, false);
    grid.SetScrollBars(pirumo::ScrollBars::Both);
    grid.SetColumnWidth(pirumo::ResultGrid::kAll, 2);
    grid.SetRowHeight(pirumo::ResultGrid::kAll, 10);
    grid.Block(pirumo::ResultGrid::kAll, pirumo::ResultGrid::kAll, pirumo::ResultGrid::kAll,
               pirumo::ResultGrid::kAll);
    grid.SetCellBorder(pirumo::border::kAll);
    grid.SetBlockMode(false);
    for (int r = 1; r <= 1400; ++r) {
        for (int c = 1; c <= 33; ++c) {
            grid.SetCellText(c, r, (r + c) % 7 == 0 ? std::string("●") : std::to_string(r % 100));
        }
    }
    pirumo::GridView view;
    view.SetGrid(grid);
    view.resize(view.sizeHint());
    view.show();
    QCoreApplication::processEvents();
    QScrollBar* bar = view.verticalScrollBar();
    for (auto _ : state) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        view.viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollLargeGrid)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setFont(pirumo::GridFont());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
