#include "analyses/numbersum.h"

namespace pirumo {

AnalysisWindowSpec NumberSumWindow() {
    AnalysisWindowSpec spec;
    spec.name = "数字合計分析";
    spec.caption = "数字合計分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

}  // namespace pirumo
