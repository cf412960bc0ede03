#include "analyses/numbergap.h"

namespace pirumo {

AnalysisWindowSpec NumberGapWindow() {
    AnalysisWindowSpec spec;
    spec.name = "数字間隔分析";
    spec.caption = "数字間隔分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

}  // namespace pirumo
