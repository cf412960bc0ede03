#include "analyses/chance/numbercountchance.h"

#include <string>
#include <vector>

#include "analyses/chance/chancemodel.h"

namespace pirumo {

ChanceReport CompareNumberCounts(const PerNumber<int>& counts, int draws) {
    ChanceReport report;
    report.draws = draws;
    ChanceTable table{"数字ごとの出現回数（本数字とボーナス数字）", "回", false, {}};
    constexpr double kPerDraw = static_cast<double>(kChanceAllPicks) / kChancePool;
    std::vector<double> observed;
    std::vector<double> expected;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        const int count = counts[static_cast<std::size_t>(n)];
        table.figures.push_back(CountFigure(std::to_string(n), count, draws, kPerDraw));
        observed.push_back(count);
        expected.push_back(draws * kPerDraw);
    }
    report.tables.push_back(std::move(table));
    report.test = ChiSquareTest("カイ二乗検定（31 個の数字の出現回数）", observed, expected,
                                NumberChoiceScale(kChanceAllPicks));
    CountExpectedOutside(report);
    return report;
}

}  // namespace pirumo
