#include "analyses/evenoddpattern.h"

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
        .secondClassBack = MakeRgb(255, 255, 255),
        .marksBonus = false,
        .patternFromSecond = true,
    };
    return pattern;
}

}  // namespace

AnalysisWindowSpec EvenOddPatternWindow() {
    AnalysisWindowSpec spec;
    spec.name = "偶数奇数の組合せパターン分析";
    spec.caption = "偶数・奇数の組合せパターン分析";
    spec.label1 = "過去の当選番号を偶数と奇数に分類して分析します";
    spec.widthTwips = 7130;
    spec.heightTwips = 13600;
    spec.loadSetsPropEnd = true;
    spec.runAnalysis = [](const DrawHistory& history, ResultGrid& grid) {
        RunCombinationPatternAnalysis(EvenOdd(), history, grid);
    };
    return spec;
}

}  // namespace pirumo
