#include "analyses/evenoddpattern.h"

#include "analyses/analysiscolours.h"
#include "analyses/combinationpattern.h"

namespace pirumo {

namespace {

bool IsEven(int number) {
    return number % 2 == 0;
}

// Pattern "A" is five even numbers, "F" five odd ones: the index is the odd count.
const CombinationPattern& EvenOdd() {
    static const CombinationPattern pattern{
        .mainHeader = "          本 数 字      ",
        .firstTitle = "偶数",
        .secondTitle = "奇数",
        .inFirstClass = IsEven,
        .secondClassBack = kWhite,
        .marksBonus = false,
        .patternFromSecond = true,
    };
    return pattern;
}

}  // namespace

Analysis EvenOddPatternAnalysis() {
    Analysis analysis;
    analysis.name = "偶数奇数の組合せパターン分析";
    analysis.caption = "偶数・奇数の組合せパターン分析";
    analysis.summary = "過去の当選番号を偶数と奇数に分類して分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        RunCombinationPatternAnalysis(EvenOdd(), history, grid);
    };
    return analysis;
}

}  // namespace pirumo
