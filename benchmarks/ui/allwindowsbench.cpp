#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <filesystem>

#include "../../tests/ui/testwindowhost.h"
#include "../memoryusage.h"
#include "analyses/analysiscatalog.h"
#include "analyses/ui/analysiswindow.h"
#include "history/store/samplehistory.h"
#include "prediction/ui/backtestwindow.h"
#include "prediction/ui/ippatsugaruponwindow.h"

namespace {

using pirumo::bench::StatusMiB;

// Every analysis window, the prediction and 予想の検証 open at once on the longest history a
// file can hold, the way a user who opens them all from the menu has them. Run it alone
// (--benchmark_filter=AllWindows) for a meaningful peak.
void BM_AllWindowsOn32767Draws(benchmark::State& state) {
    const double before = StatusMiB("VmRSS");
    double open = 0.0;
    for (auto _ : state) {
        pirumo::test::TestWindowHost host(pirumo::DrawHistory(pirumo::MakeSampleHistory(32767, 1)));
        host.Window().resize(1400, 1100);
        for (const pirumo::Analysis& analysis : pirumo::Analyses()) {
            auto& window = host.Add(new pirumo::AnalysisWindow(analysis, host));
            window.Load();
            window.show();
        }
        const std::filesystem::path settings =
            std::filesystem::temp_directory_path() / "pirumo-bench-none.ini";
        auto& prediction = host.Add(new pirumo::IppatsuGaruponWindow(host, settings));
        prediction.Load();
        prediction.show();
        auto& backtest = host.Add(new pirumo::BacktestWindow(
            host, prediction.Predictor().Options(),
            std::filesystem::temp_directory_path() / "pirumo-bench-none.log"));
        backtest.Load();
        backtest.show();
        QElapsedTimer waited;
        waited.start();
        while (!backtest.HasResult() && waited.elapsed() < 60000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        QCoreApplication::processEvents();
        open = StatusMiB("VmRSS");
        host.Area().closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.counters["rss_MiB"] = open;
    state.counters["growth_MiB"] = open - before;
    state.counters["peak_MiB"] = StatusMiB("VmHWM");
}
BENCHMARK(BM_AllWindowsOn32767Draws)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
