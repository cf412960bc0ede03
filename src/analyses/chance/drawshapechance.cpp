#include "analyses/chance/drawshapechance.h"

#include <algorithm>
#include <vector>

#include "analyses/chance/binnedtable.h"
#include "analyses/chance/chancemodel.h"
#include "analyses/chance/fairdraws.h"

namespace pirumo {

namespace {

ChanceReport ReportOf(int draws, std::vector<ChanceTable> tables, const char* testName) {
    ChanceReport report;
    report.draws = draws;
    report.tables = std::move(tables);
    report.test = ChiSquareTest(testName, report.tables.front());
    CountExpectedOutside(report);
    return report;
}

template <std::size_t N>
std::vector<double> AsVector(const std::array<double, N>& probabilities) {
    return {probabilities.begin(), probabilities.end()};
}

// 0, 1 and 「2以上」 pairs in a draw.
const ValueClasses kPairClasses{0, {0, 1}, ""};

}  // namespace

ChanceReport CompareNumberSum(const NumberSumResult& result, int draws) {
    std::vector<int> mainTotals;
    std::vector<int> totals;
    for (const NumberSumRow& row : result.draws) {
        mainTotals.push_back(row.mainTotal);
        totals.push_back(row.total);
    }
    const FairDrawDistributions& fair = FairDraws();
    return ReportOf(
        draws,
        {BinnedTable("本数字合計の分布", "回", {15, {50, 60, 70, 80, 90, 100, 110}, ""},
                     fair.mainSum, mainTotals, draws),
         BinnedTable("本数字+ボ数字の合計の分布", "回",
                     {21, {60, 70, 80, 90, 100, 110, 120, 130}, ""}, fair.totalSum, totals, draws)},
        "カイ二乗検定（本数字合計の分布）");
}

ChanceReport CompareDispersion(const DispersionResult& result, int draws) {
    std::vector<int> spans;
    for (const DrawnNumbers& draw : result.draws) {
        const auto mains = draw.numbers.begin();
        const auto [smallest, largest] = std::minmax_element(mains, mains + kChanceMainPicks);
        spans.push_back(*largest - *smallest);
    }
    return ReportOf(
        draws,
        {BinnedTable("本数字の広がり（最大の数字−最小の数字）の分布", "回",
                     {4, {12, 15, 18, 21, 24, 27}, ""}, FairDraws().span, spans, draws)},
        "カイ二乗検定（本数字の広がりの分布）");
}

ChanceReport CompareConsecutive(const ConsecutiveResult& result, int draws) {
    std::vector<int> consecutive;
    std::vector<int> skipOne;
    for (const ConsecutiveRow& row : result.rows) {
        consecutive.push_back(
            static_cast<int>(std::count(row.consecutive.begin(), row.consecutive.end(), true)));
        skipOne.push_back(
            static_cast<int>(std::count(row.skipOne.begin(), row.skipOne.end(), true)));
    }
    const FairDrawDistributions& fair = FairDraws();
    return ReportOf(draws,
                    {BinnedTable("連番（差が 1 の隣り合う本数字）の組の数", "回", kPairClasses,
                                 AsVector(fair.consecutivePairs), consecutive, draws),
                     BinnedTable("飛び石（差が 2 の隣り合う本数字）の組の数", "回", kPairClasses,
                                 AsVector(fair.skipOnePairs), skipOne, draws)},
                    "カイ二乗検定（連番の組の数の分布）");
}

ChanceReport CompareCarryOver(const CarryOverResult& result, int draws) {
    // The first draw of the range has no previous draw to carry from.
    std::vector<int> carried;
    for (std::size_t i = 1; i < result.rows.size(); ++i) {
        const auto& flags = result.rows[i].carried;
        carried.push_back(static_cast<int>(std::count(flags.begin(), flags.end(), true)));
    }
    std::vector<double> probability;
    for (int k = 0; k <= kChanceAllPicks; ++k) {
        probability.push_back(ClassCountProbability(kChanceAllPicks, kChanceAllPicks, k));
    }
    return ReportOf(
        draws,
        {BinnedTable("前回の 6 数字を引っ張った数（ボーナス数字を含む）", "回", {0, {0, 1, 2}, ""},
                     probability, carried, static_cast<int>(carried.size()))},
        "カイ二乗検定（引っ張った数の分布）");
}

}  // namespace pirumo
