#include "analyses/appearancefrequency.h"

namespace pirumo {

AnalysisWindowSpec AppearanceFrequencyWindow() {
    AnalysisWindowSpec spec;
    spec.name = "出現頻度分析";
    spec.caption = "出現頻度分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

}  // namespace pirumo
