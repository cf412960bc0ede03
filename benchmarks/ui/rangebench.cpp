#include <benchmark/benchmark.h>

#include <QApplication>
#include <array>

#include "../../tests/ui/testwindowhost.h"
#include "analyses/analysiscatalog.h"
#include "analyses/ui/analysiswindow.h"
#include "history/drawrange.h"
#include "history/import/historycsv.h"

namespace {

// A host whose analysis range the benchmark moves, as the main window's 分析範囲 does.
class RangeHost : public pirumo::test::TestWindowHost {
public:
    using TestWindowHost::TestWindowHost;

    void UseRange(const pirumo::DrawRange& range) {
        mRange = range;
        mRestricted = pirumo::RestrictHistory(History(), range);
        mCaption = QString::fromUtf8(pirumo::DrawRangeCaption(range, mRestricted));
    }
    const pirumo::DrawHistory& AnalysisHistory() const override {
        return mRange.IsEverything() ? History() : mRestricted;
    }
    QString AnalysisRangeCaption() const override { return mCaption; }

private:
    pirumo::DrawRange mRange;
    pirumo::DrawHistory mRestricted;
    QString mCaption;
};

// An open window on the real history recomputes for the next range: the history restricted to
// it, the analysis run and the grid repainted. The ranges take turns so that every iteration
// is a change.
void BM_RecomputeWindowForNewRange(benchmark::State& state) {
    const auto& analysis = pirumo::Analyses()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(analysis.name);
    RangeHost host(pirumo::DrawHistory(
        pirumo::ReadCsvHistoryFile(std::filesystem::path(PIRUMO_BUNDLED_HISTORY_CSV))));
    host.Window().resize(1400, 1100);
    auto& window = host.Add(new pirumo::AnalysisWindow(analysis, host));
    window.Load();
    window.show();
    QCoreApplication::processEvents();
    const std::array ranges{pirumo::DrawRange::Last(100), pirumo::DrawRange::Between(700, 799),
                            pirumo::DrawRange::Last(300), pirumo::DrawRange::Everything()};
    std::size_t next = 0;
    for (auto _ : state) {
        host.UseRange(ranges[next]);
        next = (next + 1) % ranges.size();
        window.Recompute();
        window.repaint();
    }
    window.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_RecomputeWindowForNewRange)
    ->DenseRange(0, static_cast<int>(pirumo::Analyses().size()) - 1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
