#include "analyses/appearancefrequency.h"

#include <algorithm>

#include "analyses/appearancefrequencygrid.h"

namespace pirumo {

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
            if (std::find(draw.numbers.begin(), draw.numbers.begin() + i, draw.numbers[i]) !=
                draw.numbers.begin() + i) {
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
    Analysis analysis;
    analysis.name = "出現頻度分析";
    analysis.caption = "出現頻度分析";
    analysis.summary = "過去の当選番号の出現回数を数字別に分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        FillAppearanceFrequencyGrid(AnalyseAppearanceFrequency(history), grid);
    };
    return analysis;
}

}  // namespace pirumo
