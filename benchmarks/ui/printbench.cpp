#include <benchmark/benchmark.h>

#include <QDate>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "analyses/analysiscatalog.h"
#include "history/import/historycsv.h"
#include "print/analysisprint.h"
#include "print/pdfdocument.h"

namespace {

// From the real history to the bytes of the 出現回数分析 PDF: the analysis, the page layout and
// the painting of every page with the font embedded.
void BM_AppearanceCountPdf(benchmark::State& state) {
    std::ifstream in(std::filesystem::path(PIRUMO_BUNDLED_HISTORY_CSV), std::ios::binary);
    const pirumo::DrawHistory history(pirumo::ParseCsvHistory(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())));
    const pirumo::Analysis& window = *pirumo::FindAnalysis("出現回数分析");
    qsizetype bytes = 0;
    for (auto _ : state) {
        pirumo::ResultGrid grid;
        window.fillGrid(history, grid);
        bytes = pirumo::DocumentToPdf(
                    pirumo::AnalysisPrintDocument(window, grid, history, QDate(2026, 1, 1)))
                    .size();
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_AppearanceCountPdf)->Unit(benchmark::kMillisecond);

}  // namespace
