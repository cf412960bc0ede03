#include "analyses/chance/appearancechance.h"

#include <algorithm>

#include "analyses/chance/chancemodel.h"
#include "analyses/chance/numbercountchance.h"

namespace pirumo {

ChanceReport CompareAppearanceFrequency(const AppearanceFrequencyResult& result, int draws) {
    // The window tells main and bonus appearances apart, so the main ones are compared too.
    PerNumber<int> mainCounts{};
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        const auto& appearances = result.appearances[static_cast<std::size_t>(n)];
        mainCounts[static_cast<std::size_t>(n)] = static_cast<int>(
            std::count_if(appearances.begin(), appearances.end(),
                          [](const NumberAppearance& appearance) { return !appearance.bonus; }));
    }
    ChanceReport report = CompareNumberCounts(result.counts, draws);
    report.tables.push_back(
        NumberCountTable("数字ごとの本数字としての出現回数", mainCounts, draws, kChanceMainPicks));
    CountExpectedOutside(report);
    return report;
}

ChanceReport CompareAppearanceByCount(const AppearanceByCountResult& result, int draws) {
    PerNumber<int> counts{};
    for (const CountGroup& group : result.groups) {
        for (int number : group.numbers) {
            counts[static_cast<std::size_t>(number)] = group.count;
        }
    }
    // The window lists the numbers by their count, so how the counts spread is shown too.
    ChanceReport report = CompareNumberCounts(counts, draws);
    report.tables.push_back(CountSpreadTable(counts, draws));
    CountExpectedOutside(report);
    return report;
}

ChanceReport CompareAppearanceCount(const AppearanceCountResult& result, int draws) {
    PerNumber<int> counts{};
    for (const AppearanceCountRow& row : result.rows) {
        const auto& numbers = row.draw.numbers;
        for (auto field = numbers.begin(); field != numbers.end(); ++field) {
            // A number in two fields of one draw was drawn once.
            if (std::find(numbers.begin(), field, *field) == field) {
                ++counts[static_cast<std::size_t>(*field)];
            }
        }
    }
    return CompareNumberCounts(counts, draws);
}

}  // namespace pirumo
