#include "analyses/appearancefrequency.h"

#include <algorithm>
#include <cstddef>

#include "analyses/appearancefrequencygrid.h"
#include "analyses/chance/appearancechance.h"

namespace pirumo {

namespace {

// True when field i holds the same number as an earlier field of the draw.
bool RepeatsEarlierField(const Draw& draw, std::size_t i) {
    const auto first = draw.numbers.begin();
    const auto field = first + static_cast<std::ptrdiff_t>(i);
    return std::find(first, field, *field) != field;
}

}  // namespace

AppearanceFrequencyResult AnalyseAppearanceFrequency(const DrawHistory& history) {
    AppearanceFrequencyResult result;
    result.counts = history.NumberCounts();
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        const auto i = static_cast<std::size_t>(n);
        result.appearances[i].reserve(static_cast<std::size_t>(result.counts[i]));
    }
    PerNumber<int> runningCounts{};
    history.ForEachValidDraw([&](const Draw& draw) {
        for (std::size_t i = 0; i < draw.numbers.size(); ++i) {
            const auto number = static_cast<std::size_t>(draw.numbers[i]);
            auto& appearances = result.appearances[number];
            const bool bonus = i == Draw::kBonusIndex;
            // A number in two fields of one draw appears once, as the bonus if it is that.
            if (RepeatsEarlierField(draw, i)) {
                appearances.back().bonus = appearances.back().bonus || bonus;
                continue;
            }
            appearances.push_back({.drawNumber = draw.drawNumber,
                                   .earlierCount = runningCounts[number],
                                   .bonus = bonus});
        }
        for (auto number : draw.numbers) {
            ++runningCounts[static_cast<std::size_t>(number)];
        }
    });
    return result;
}

Analysis AppearanceFrequencyAnalysis() {
    return MakeAnalysis("出現頻度分析", "出現頻度分析",
                        "過去の当選番号の出現回数を数字別に分析します", AnalyseAppearanceFrequency,
                        FillAppearanceFrequencyGrid, CompareAppearanceFrequency);
}

}  // namespace pirumo
