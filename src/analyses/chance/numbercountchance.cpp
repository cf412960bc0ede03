#include "analyses/chance/numbercountchance.h"

#include <array>
#include <string>
#include <vector>

#include "analyses/chance/chancemodel.h"

namespace pirumo {

ChanceTable NumberCountTable(std::string title, const PerNumber<int>& counts, int draws,
                             int picks) {
    ChanceTable table{std::move(title), "回", false, {}};
    const double perDraw = static_cast<double>(picks) / kChancePool;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        table.figures.push_back(
            CountFigure(std::to_string(n), counts[static_cast<std::size_t>(n)], draws, perDraw));
    }
    return table;
}

ChanceReport CompareNumberCounts(const PerNumber<int>& counts, int draws) {
    ChanceReport report;
    report.draws = draws;
    report.tables.push_back(NumberCountTable("数字ごとの出現回数（本数字とボーナス数字）", counts,
                                             draws, kChanceAllPicks));
    report.test = ChiSquareTest("カイ二乗検定（31 個の数字の出現回数）", report.tables.front(),
                                NumberChoiceScale(kChanceAllPicks));
    CountExpectedOutside(report);
    return report;
}

ChanceTable CountSpreadTable(const PerNumber<int>& counts, int draws) {
    constexpr double kPerDraw = static_cast<double>(kChanceAllPicks) / kChancePool;
    const CountRange range = BinomialRange(draws, kPerDraw);
    const int middle = static_cast<int>(draws * kPerDraw);
    struct Span {
        int first;
        int last;
    };
    const std::array<Span, 4> spans{Span{0, range.low - 1}, Span{range.low, middle},
                                    Span{middle + 1, range.high}, Span{range.high + 1, draws}};
    std::vector<ChanceClass> classes;
    for (const Span& span : spans) {
        const double probability = BinomialAtMost(draws, kPerDraw, span.last) -
                                   BinomialAtMost(draws, kPerDraw, span.first - 1);
        if (span.first > span.last || probability <= 0) {
            continue;
        }
        const std::string label = span.first == 0      ? std::to_string(span.last) + "回以下"
                                  : span.last == draws ? std::to_string(span.first) + "回以上"
                                  : span.first == span.last ? std::to_string(span.first) + "回"
                                                            : std::to_string(span.first) + "～" +
                                                                  std::to_string(span.last) + "回";
        int numbers = 0;
        for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
            const int count = counts[static_cast<std::size_t>(n)];
            numbers += count >= span.first && count <= span.last ? 1 : 0;
        }
        classes.push_back({label, numbers, probability});
    }
    return DistributionTable("出現回数の散らばり（その回数だった数字の数）", "個", classes,
                             kChancePool);
}

}  // namespace pirumo
