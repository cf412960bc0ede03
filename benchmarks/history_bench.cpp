#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "history/import/historycsv.h"
#include "history/store/historyfile.h"

namespace {

// Loads the real history from an encrypted file built from the bundled CSV in a temporary folder.
void BM_OpenDrawHistory(benchmark::State& state) {
    const std::filesystem::path csv(PIRUMO_BUNDLED_HISTORY_CSV);
    std::string pattern = (std::filesystem::temp_directory_path() / "pirumo-bench.XXXXXX").string();
    const std::filesystem::path dir = mkdtemp(pattern.data());
    const auto file = dir / "Pirumo.mdb";
    pirumo::ReplaceHistoryFile(file, pirumo::ReadCsvHistoryFile(csv));
    for (auto _ : state) {
        benchmark::DoNotOptimize(pirumo::OpenDrawHistory(file));
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_OpenDrawHistory)->Unit(benchmark::kMillisecond);

}  // namespace
