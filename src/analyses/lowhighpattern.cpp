#include "analyses/lowhighpattern.h"

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
    Analysis analysis;
    analysis.name = "低数字高数字の組合せパターン分析";
    analysis.caption = "低数字・高数字の組合せパターン分析";
    analysis.summary =
        "過去の当選番号を低数字（０１～１５）と高数字（１６～３１）に分けて組合せパターンを分析しま"
        "す（ボーナス数字は入れていません";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        FillLowHighPatternGrid(AnalyseLowHighPattern(history), grid);
    };
    return analysis;
}

}  // namespace pirumo
