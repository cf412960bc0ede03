#include <benchmark/benchmark.h>

#include "grid/gridexport.h"
#include "grid/resultgrid.h"

namespace pirumo {
namespace {

constexpr int kColumns = 33;
constexpr int kRows = 1400;

// Set-up and fill the way an analysis window does: whole-grid formatting, coloured header
// blocks, framed cells, one number per data cell.
void FillLikeAnAnalysis(ResultGrid& grid) {
    grid.SetColumnCount(kColumns);
    grid.SetRowCount(kRows);
    grid.SetHeadersVisible(false, false);
    grid.SetRowHeight(ResultGrid::kAll, 10);
    grid.SetColumnWidth(ResultGrid::kAll, 4);
    grid.Block(ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll, ResultGrid::kAll);
    grid.SetCellType(CellType::StaticText);
    grid.SetAlignment(HAlign::Center);
    grid.Block(1, 1, 1, kRows);
    grid.SetForeColor(MakeRgb(255, 0, 0));
    grid.SetBackColor(MakeRgb(255, 255, 200));
    grid.Block(2, 1, kColumns, 2);
    grid.SetBackColor(MakeRgb(200, 255, 255));
    grid.Block(1, 1, kColumns, kRows);
    grid.SetCellBorder(border::kAll);
    grid.SetAllowOverflow(true);
    grid.Cell(4, 1).SetText("前回までの出現回数合計(回)");
    for (int c = 1; c <= kColumns; ++c) {
        grid.SetCellText(c, 2, static_cast<long long>(c));
    }
    for (int r = 3; r <= kRows; ++r) {
        grid.SetCellText(1, r, static_cast<long long>(r - 2));
        for (int c = 2; c <= kColumns; ++c) {
            grid.SetCellText(c, r, static_cast<long long>((r * 7 + c * 13) % 40));
        }
    }
    grid.ActivateCell(0, 0);
}

void BM_FillAnalysisGrid(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        ResultGrid grid;
        FillLikeAnAnalysis(grid);
        bytes = grid.MemoryBytes();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["MemoryBytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_FillAnalysisGrid)->Unit(benchmark::kMillisecond);

void BM_GridToJson(benchmark::State& state) {
    ResultGrid grid;
    FillLikeAnAnalysis(grid);
    for (auto _ : state) {
        benchmark::DoNotOptimize(GridToJson(grid, "出現回数分析", "出現回数分析"));
    }
}
BENCHMARK(BM_GridToJson)->Unit(benchmark::kMillisecond);

void BM_GridToHtml(benchmark::State& state) {
    ResultGrid grid;
    FillLikeAnAnalysis(grid);
    for (auto _ : state) {
        benchmark::DoNotOptimize(GridToHtml(grid, "出現回数分析"));
    }
}
BENCHMARK(BM_GridToHtml)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pirumo
