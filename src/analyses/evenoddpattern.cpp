#include "analyses/evenoddpattern.h"

#include "analyses/evenoddpatterngrid.h"

namespace pirumo {

namespace {

bool IsEven(int number) {
    return number % 2 == 0;
}

}  // namespace

CombinationPatternResult AnalyseEvenOddPattern(const DrawHistory& history) {
    return AnalyseCombinationPattern(history, {.inFirstClass = IsEven, .patternFromSecond = true});
}

Analysis EvenOddPatternAnalysis() {
    Analysis analysis;
    analysis.name = "偶数奇数の組合せパターン分析";
    analysis.caption = "偶数・奇数の組合せパターン分析";
    analysis.summary = "過去の当選番号を偶数と奇数に分類して分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        FillEvenOddPatternGrid(AnalyseEvenOddPattern(history), grid);
    };
    return analysis;
}

}  // namespace pirumo
