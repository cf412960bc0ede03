#include "analyses/lowhighpattern.h"

namespace pirumo {

AnalysisWindowSpec LowHighPatternWindow() {
    AnalysisWindowSpec spec;
    spec.name = "低数字高数字の組合せパターン分析";
    spec.caption = "低数字高数字の組合せパターン分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

}  // namespace pirumo
