#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "analyses/consecutive.h"
#include "analyses/evenoddpattern.h"
#include "analyses/fourgroup.h"
#include "analyses/groupdata.h"
#include "analyses/lastdigit.h"
#include "analyses/lastdigitrun.h"
#include "analyses/lowhighpattern.h"
#include "analyses/numbersum.h"
#include "history/import/historycsv.h"
#include "history/store/samplehistory.h"

namespace pirumo {
namespace {

// The bundled published history.
const DrawHistory& RealHistory() {
    static const DrawHistory history = [] {
        std::ifstream in(std::filesystem::path(PIRUMO_BUNDLED_HISTORY_CSV), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        return DrawHistory(ParseCsvHistory(bytes));
    }();
    return history;
}

// Made-up histories: a quarter of the largest, and the largest the file allows, to show the
// cost growing with the draws.
const DrawHistory& QuarterHistory() {
    static const DrawHistory history(MakeSampleHistory(8192, 5));
    return history;
}

const DrawHistory& LargestHistory() {
    static const DrawHistory history(MakeSampleHistory(32767, 5));
    return history;
}

// One window's computation and grid fill, as its load step runs them.
void RunWindow(benchmark::State& state, Analysis (*window)(), const DrawHistory& (*history)()) {
    const Analysis description = window();
    const DrawHistory& draws = history();
    if (draws.Rows().empty()) {
        state.SkipWithError("history absent");
        return;
    }
    for (auto _ : state) {
        ResultGrid grid;
        description.fillGrid(draws, grid);
        benchmark::DoNotOptimize(grid.RowCount());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(draws.Rows().size()));
}

struct NamedWindow {
    const char* name;
    Analysis (*window)();
};

const bool kRegistered = [] {
    const NamedWindow windows[] = {
        {"Consecutive", ConsecutiveAnalysis},       {"NumberSum", NumberSumAnalysis},
        {"EvenOddPattern", EvenOddPatternAnalysis}, {"LowHighPattern", LowHighPatternAnalysis},
        {"FourGroup", FourGroupAnalysis},           {"GroupData6", GroupData6Analysis},
        {"GroupData7", GroupData7Analysis},         {"GroupData10", GroupData10Analysis},
        {"LastDigit", LastDigitAnalysis},           {"LastDigitRun", LastDigitRunAnalysis},
    };
    for (const NamedWindow& w : windows) {
        benchmark::RegisterBenchmark((std::string(w.name) + "Window/RealHistory").c_str(),
                                     RunWindow, w.window, RealHistory)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string(w.name) + "Window/Draws8192").c_str(), RunWindow,
                                     w.window, QuarterHistory)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string(w.name) + "Window/Draws32767").c_str(), RunWindow,
                                     w.window, LargestHistory)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
}  // namespace pirumo
