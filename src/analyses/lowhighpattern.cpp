#include "analyses/lowhighpattern.h"

#include "analyses/combinationpattern.h"

namespace pirumo {

namespace {

bool IsLow(int number) {
    return number <= 15;
}

// Pattern "A" is five high numbers, "F" five low ones: the index is the low count. High numbers
// keep their cell's colour; the bonus cell is marked too.
const CombinationPattern& LowHigh() {
    static const CombinationPattern pattern{
        .mainHeader = "          本 数 字",
        .firstTitle = "低数字",
        .secondTitle = "高数字",
        .inFirstClass = IsLow,
        .secondClassBack = std::nullopt,
        .marksBonus = true,
        .patternFromSecond = false,
    };
    return pattern;
}

}  // namespace

Analysis LowHighPatternAnalysis() {
    Analysis analysis;
    analysis.name = "低数字高数字の組合せパターン分析";
    analysis.caption = "低数字・高数字の組合せパターン分析";
    analysis.summary =
        "過去の当選番号を低数字（０１～１５）と高数字（１６～３１）に分けて組合せパターンを分析しま"
        "す（ボーナス数字は入れていません";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        RunCombinationPatternAnalysis(LowHigh(), history, grid);
    };
    return analysis;
}

}  // namespace pirumo
