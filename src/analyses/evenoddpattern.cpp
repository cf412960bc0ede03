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

AnalysisWindowDescription EvenOddPatternWindow() {
    AnalysisWindowDescription description;
    description.name = "偶数奇数の組合せパターン分析";
    description.caption = "偶数・奇数の組合せパターン分析";
    description.summary = "過去の当選番号を偶数と奇数に分類して分析します";
    description.widthTwips = 7130;
    description.heightTwips = 13600;
    description.allowsManualEntry = true;
    description.runAnalysis = [](const DrawHistory& history, ResultGrid& grid) {
        RunCombinationPatternAnalysis(EvenOdd(), history, grid);
    };
    return description;
}

}  // namespace pirumo
