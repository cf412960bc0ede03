#include "analyses/combinationpattern.h"

namespace pirumo {

CombinationPatternResult AnalyseCombinationPattern(const DrawHistory& history,
                                                   const NumberClasses& classes) {
    CombinationPatternResult result;
    result.lastDrawNumber = history.LastDrawNumber();
    result.draws.reserve(history.Rows().size());
    history.ForEachValidDraw([&](const Draw& draw) {
        CombinationPatternRow row{.drawNumber = draw.drawNumber, .numbers = draw.numbers};
        for (std::size_t i = 0; i < row.numbers.size(); ++i) {
            row.inFirstClass[i] = classes.inFirstClass(row.numbers[i]);
        }
        for (std::size_t i = 0; i < Draw::kBonusIndex; ++i) {
            row.firstCount += row.inFirstClass[i] ? 1 : 0;
        }
        row.secondCount = Draw::kBonusIndex - row.firstCount;
        row.pattern = classes.patternFromSecond ? row.secondCount : row.firstCount;
        ++result.drawsByPattern[static_cast<std::size_t>(row.pattern)];
        result.draws.push_back(row);
    });
    return result;
}

}  // namespace pirumo
