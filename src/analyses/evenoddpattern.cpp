#include "analyses/evenoddpattern.h"

namespace pirumo {

AnalysisWindowSpec EvenOddPatternWindow() {
    AnalysisWindowSpec spec;
    spec.name = "偶数奇数の組合せパターン分析";
    spec.caption = "偶数奇数の組合せパターン分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

}  // namespace pirumo
