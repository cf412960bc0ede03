#include "analyses/chance/pairchance.h"

#include "analyses/chance/chancemodel.h"

namespace pirumo {

ChanceReport ComparePairs(const PairResult& result, int draws) {
    ChanceReport report;
    report.draws = draws;
    ChanceTable table{"二つの本数字が同じ回に出た回数", "回", false, {}};
    for (const PairCount& pair : result.pairs) {
        table.figures.push_back(pair.figure);
    }
    report.tables.push_back(std::move(table));
    report.test = ChiSquareTest("カイ二乗検定（465 組、近似）", report.tables.front());
    CountExpectedOutside(report);
    return report;
}

}  // namespace pirumo
