#include "analyses/chance/appearancechance.h"

#include <algorithm>

#include "analyses/chance/chancemodel.h"
#include "analyses/chance/numbercountchance.h"

namespace pirumo {

ChanceReport CompareAppearanceFrequency(const AppearanceFrequencyResult& result, int draws) {
    return CompareNumberCounts(result.counts, draws);
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
