#include "analyses/evenoddpattern.h"

#include "analyses/chance/patternchance.h"
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
    return MakeAnalysis("偶数奇数の組合せパターン分析", "偶数・奇数の組合せパターン分析",
                        "過去の当選番号を偶数と奇数に分類して分析します", AnalyseEvenOddPattern,
                        FillEvenOddPatternGrid, CompareEvenOddPattern);
}

}  // namespace pirumo
