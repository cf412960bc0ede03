#include "analyses/lowhighpattern.h"

#include "analyses/chance/patternchance.h"
#include "analyses/lowhighpatterngrid.h"

namespace pirumo {

namespace {

bool IsLow(int number) {
    return number <= 15;
}

}  // namespace

CombinationPatternResult AnalyseLowHighPattern(const DrawHistory& history) {
    return AnalyseCombinationPattern(history, {.inFirstClass = IsLow, .patternFromSecond = false});
}

Analysis LowHighPatternAnalysis() {
    return MakeAnalysis(
        "低数字高数字の組合せパターン分析", "低数字・高数字の組合せパターン分析",
        "過去の当選番号を低数字（０１～１５）と高数字（１６～３１）に分けて組合せパターンを分析しま"
        "す（ボーナス数字は入れていません",
        AnalyseLowHighPattern, FillLowHighPatternGrid, CompareLowHighPattern);
}

}  // namespace pirumo
