#include "prediction/backtest/backtestgrids.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace pirumo {

namespace {

constexpr Rgb kHeaderBack = MakeRgb(255, 200, 200);
constexpr Rgb kHeaderFore = MakeRgb(0, 0, 255);

void StartGrid(ResultGrid& grid, int columns, int rows) {
    grid = ResultGrid();
    grid.SetColumnCount(columns);
    grid.SetRowCount(rows);
    grid.SetHeadersVisible(false, false);
    grid.SetScrollBars(ScrollBars::Both);
    grid.SetRowHeight(ResultGrid::kAll, 12.0);
    grid.Block(1, 1, columns, rows);
    grid.SetAlignment(HAlign::Center);
    grid.SetCellBorder(border::kAll, MakeRgb(192, 192, 192));
    grid.Block(1, 1, columns, 1);
    grid.SetBackColor(kHeaderBack);
    grid.SetForeColor(kHeaderFore);
    grid.SetBlockMode(false);
}

std::string Verdict(const MethodSummary& s) {
    if (s.Mean() > s.ChanceHigh()) {
        return "偶然より多い";
    }
    if (s.Mean() < s.ChanceLow()) {
        return "偶然より少ない";
    }
    return "偶然の範囲内";
}

bool Holds(const std::vector<int>& numbers, int n) {
    return std::find(numbers.begin(), numbers.end(), n) != numbers.end();
}

}  // namespace

std::string JoinNumbers(const std::vector<int>& numbers, char separator) {
    std::string text;
    for (int n : numbers) {
        if (!text.empty()) {
            text += separator;
        }
        text += std::to_string(n);
    }
    return text;
}

std::string FormatFixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string BestPrizeText(const BacktestDraw& draw, int method) {
    const std::vector<PrizeClass> prizes = draw.RowPrizes(method);
    const auto best = std::min_element(prizes.begin(), prizes.end());
    return best == prizes.end() || *best == kNoPrize
               ? std::string()
               : std::string(kPrizeClassNames[static_cast<std::size_t>(*best)]);
}

void FillBacktestSummaryGrid(const BacktestResult& result, ResultGrid& grid) {
    constexpr int kColumns = 8 + kPrizeClassCount;
    StartGrid(grid, kColumns, 1 + kMethodCount);
    grid.SetVisibleSize(kColumns, 1 + kMethodCount);
    grid.SetScrollBars(ScrollBars::None);
    const std::array<std::string, 8> headings{
        "方法", "検証回数", "数字の数", "一致 平均", "偶然の平均", "偶然の95%範囲", "判定", "口数"};
    const std::array<double, kColumns> widths{10, 8, 8, 9, 10, 14, 14, 6, 14, 14, 14, 14};
    for (int c = 1; c <= kColumns; ++c) {
        grid.SetColumnWidth(c, widths[static_cast<std::size_t>(c - 1)]);
        grid.SetCellText(c, 1,
                         c <= 8 ? headings[static_cast<std::size_t>(c - 1)]
                                : std::string(kPrizeClassNames[static_cast<std::size_t>(c - 9)]) +
                                      " 実績(期待)");
    }
    for (int m = 0; m < kMethodCount; ++m) {
        const MethodSummary& s = result.summary[static_cast<std::size_t>(m)];
        const int row = m + 2;
        grid.SetCellText(1, row, kMethodNames[static_cast<std::size_t>(m)]);
        grid.SetCellText(2, row, s.draws);
        grid.SetCellText(
            3, row,
            FormatFixed(s.draws == 0 ? 0.0 : static_cast<double>(s.poolNumbers) / s.draws, 1));
        grid.SetCellText(4, row, FormatFixed(s.Mean(), 3));
        grid.SetCellText(5, row, FormatFixed(s.ChanceMean(), 3));
        grid.SetCellText(6, row,
                         FormatFixed(s.ChanceLow(), 3) + "～" + FormatFixed(s.ChanceHigh(), 3));
        grid.SetCellText(7, row, Verdict(s));
        grid.SetCellText(8, row, s.tickets);
        for (int p = 0; p < kPrizeClassCount; ++p) {
            grid.SetCellText(9 + p, row,
                             std::to_string(s.prizes[static_cast<std::size_t>(p)]) + " (" +
                                 FormatFixed(s.ExpectedPrizes(p), p == kFourthPrize ? 1 : 3) + ")");
        }
    }
    grid.ActivateCell(0, 0);
}

void FillBacktestDrawGrid(const BacktestResult& result, int method, ResultGrid& grid) {
    const auto mi = static_cast<std::size_t>(method);
    std::size_t poolColumns = 1;
    for (const BacktestDraw& d : result.draws) {
        poolColumns = std::max(poolColumns, static_cast<std::size_t>(d.PoolSize(method)));
    }
    const int firstPool = 9;
    const int matchColumn = firstPool + static_cast<int>(poolColumns);
    const int columns = matchColumn + 1;
    StartGrid(grid, columns, 1 + static_cast<int>(result.draws.size()));
    grid.SetAllowOverflow(true);
    grid.SetColumnWidth(ResultGrid::kAll, 3.0);
    grid.SetColumnWidth(1, 6.0);
    grid.SetColumnWidth(2, 11.0);
    grid.SetColumnWidth(matchColumn, 5.0);
    grid.SetColumnWidth(columns, 5.0);
    grid.SetCellText(1, 1, "回");
    grid.SetCellText(2, 1, "日付");
    grid.SetCellText(3, 1, "当選数字");
    grid.SetCellText(8, 1, "ボ");
    grid.SetCellText(firstPool, 1,
                     poolColumns >= 8 ? "予想した数字（" + std::string(kMethodNames[mi]) + "）"
                                      : std::string("予想した数字"));
    grid.SetCellText(matchColumn, 1, "一致");
    grid.SetCellText(columns, 1, "当選");
    // The two long headings overflow across their columns: frame each span as one cell so no
    // column line crosses the text.
    for (const auto& [first, last] : {std::pair{3, 7}, std::pair{firstPool, matchColumn - 1}}) {
        grid.Block(first, 1, last, 1);
        grid.SetCellBorder(border::kNone);
        grid.SetCellBorder(border::kOutline, MakeRgb(192, 192, 192));
    }
    grid.Cell(3, 1).SetAlignment(HAlign::Left);
    grid.Cell(firstPool, 1).SetAlignment(HAlign::Left);

    for (std::size_t i = 0; i < result.draws.size(); ++i) {
        const BacktestDraw& d = result.draws[i];
        const int row = static_cast<int>(i) + 2;
        const std::vector<int> pool = d.Pool(method);
        grid.SetCellText(1, row, d.drawNumber);
        grid.SetCellText(2, row, d.date);
        for (int k = 0; k < 5; ++k) {
            const int n = d.actual[static_cast<std::size_t>(k)];
            grid.SetCellText(3 + k, row, n);
            if (Holds(pool, n)) {
                grid.Cell(3 + k, row).SetBackColor(kMatchBack);
            }
        }
        grid.SetCellText(8, row, d.bonus);
        if (Holds(pool, d.bonus)) {
            grid.Cell(8, row).SetBackColor(kBonusBack);
        }
        for (std::size_t k = 0; k < pool.size(); ++k) {
            const int column = firstPool + static_cast<int>(k);
            grid.SetCellText(column, row, pool[k]);
            if (std::find(d.actual.begin(), d.actual.end(), pool[k]) != d.actual.end()) {
                grid.Cell(column, row).SetBackColor(kMatchBack);
            } else if (pool[k] == d.bonus) {
                grid.Cell(column, row).SetBackColor(kBonusBack);
            }
        }
        grid.SetCellText(matchColumn, row, d.matches[mi]);
        grid.SetCellText(columns, row, BestPrizeText(d, method));
    }
    grid.ActivateCell(0, 0);
}

void FillBacktestOverviewGrid(const BacktestResult& result, ResultGrid& grid) {
    const int columns = 4 + 2 * kMethodCount;
    StartGrid(grid, columns, 1 + static_cast<int>(result.draws.size()));
    grid.SetCellText(1, 1, "回");
    grid.SetCellText(2, 1, "日付");
    grid.SetCellText(3, 1, "当選数字");
    grid.SetCellText(4, 1, "ボーナス数字");
    for (int m = 0; m < kMethodCount; ++m) {
        grid.SetCellText(5 + 2 * m, 1, kMethodNames[static_cast<std::size_t>(m)]);
        grid.SetCellText(6 + 2 * m, 1, "一致");
    }
    for (std::size_t i = 0; i < result.draws.size(); ++i) {
        const BacktestDraw& d = result.draws[i];
        const int row = static_cast<int>(i) + 2;
        grid.SetCellText(1, row, d.drawNumber);
        grid.SetCellText(2, row, d.date);
        grid.SetCellText(3, row, JoinNumbers({d.actual.begin(), d.actual.end()}));
        grid.SetCellText(4, row, d.bonus);
        for (int m = 0; m < kMethodCount; ++m) {
            grid.SetCellText(5 + 2 * m, row, JoinNumbers(d.Pool(m)));
            grid.SetCellText(6 + 2 * m, row, d.matches[static_cast<std::size_t>(m)]);
        }
    }
    grid.ActivateCell(0, 0);
}

void FillPredictionLogGrid(const std::vector<LoggedPrediction>& log, ResultGrid& grid) {
    const int columns = 3 + 2 * kMethodCount;
    StartGrid(grid, columns, 1 + static_cast<int>(log.size()));
    grid.SetColumnWidth(ResultGrid::kAll, 5.0);
    grid.SetColumnWidth(1, 6.0);
    grid.SetColumnWidth(2, 18.0);
    grid.SetColumnWidth(3, 14.0);
    grid.SetCellText(1, 1, "回");
    grid.SetCellText(2, 1, "予想を表示した日時");
    grid.SetCellText(3, 1, "実際の当選数字");
    for (int m = 0; m < kMethodCount; ++m) {
        const std::size_t mi = static_cast<std::size_t>(m);
        grid.SetColumnWidth(4 + 2 * m, m == kCycleMethod         ? 44.0
                                       : m == kEliminationMethod ? 34.0
                                                                 : 24.0);
        grid.SetCellText(4 + 2 * m, 1, "予想（" + std::string(kMethodNames[mi]) + "）");
        grid.SetCellText(5 + 2 * m, 1, "一致");
    }
    for (std::size_t i = 0; i < log.size(); ++i) {
        const LoggedPrediction& item = log[i];
        const int row = static_cast<int>(i) + 2;
        grid.SetCellText(1, row, item.entry.targetDraw);
        grid.SetCellText(2, row, item.entry.shownAt);
        grid.SetCellText(3, row,
                         item.scored
                             ? JoinNumbers({item.scored->actual.begin(), item.scored->actual.end()})
                         : item.shownAfterDraw ? std::string("抽せん後の表示")
                                               : std::string("未抽せん"));
        for (int m = 0; m < kMethodCount; ++m) {
            const std::size_t mi = static_cast<std::size_t>(m);
            grid.SetCellText(4 + 2 * m, row, JoinNumbers(PoolOf(item.entry.shown[mi])));
            if (item.scored) {
                grid.SetCellText(5 + 2 * m, row, item.scored->matches[mi]);
                if (item.scored->matches[mi] > 0) {
                    grid.Cell(5 + 2 * m, row).SetBackColor(kMatchBack);
                }
            }
        }
    }
    grid.ActivateCell(0, 0);
}

}  // namespace pirumo
