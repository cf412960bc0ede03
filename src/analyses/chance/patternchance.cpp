#include "analyses/chance/patternchance.h"

#include <string>
#include <vector>

#include "analyses/chance/chancemodel.h"
#include "analyses/chance/fairdraws.h"

namespace pirumo {

namespace {

// Pattern k has k numbers of the counted class of `countedSize` numbers; its label names both
// classes in the order the window's columns do.
struct PatternClasses {
    int countedSize = 0;
    const char* counted = "";
    const char* other = "";
    bool countedFirst = true;
};

ChanceReport ComparePatterns(const CombinationPatternResult& result, int draws,
                             const PatternClasses& classes) {
    std::vector<ChanceClass> patterns;
    for (int k = 0; k <= kChanceMainPicks; ++k) {
        const std::string counted = classes.counted + std::to_string(k);
        const std::string other = classes.other + std::to_string(kChanceMainPicks - k);
        const std::string label =
            std::string(kCombinationPatternLetters[static_cast<std::size_t>(k)]) + "（" +
            (classes.countedFirst ? counted + "・" + other : other + "・" + counted) + "）";
        patterns.push_back({label, result.drawsByPattern[static_cast<std::size_t>(k)],
                            ClassCountProbability(classes.countedSize, kChanceMainPicks, k)});
    }
    ChanceReport report;
    report.draws = draws;
    report.tables.push_back(DistributionTable("パターンごとの回数", "回", patterns, draws));
    report.test = ChiSquareTest("カイ二乗検定（パターンの分布）", report.tables.front());
    CountExpectedOutside(report);
    return report;
}

}  // namespace

ChanceReport CompareLowHighPattern(const CombinationPatternResult& result, int draws) {
    // Low numbers are 1..15.
    return ComparePatterns(result, draws, {15, "低", "高", true});
}

ChanceReport CompareEvenOddPattern(const CombinationPatternResult& result, int draws) {
    // The pattern counts the 16 odd numbers; the window shows the even ones first.
    return ComparePatterns(result, draws, {16, "奇", "偶", false});
}

}  // namespace pirumo
