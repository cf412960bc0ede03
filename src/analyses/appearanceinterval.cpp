#include "analyses/appearanceinterval.h"

namespace pirumo {

AnalysisWindowSpec AppearanceIntervalWindow() {
    AnalysisWindowSpec spec;
    spec.name = "出現間隔分析";
    spec.caption = "出現間隔分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

}  // namespace pirumo
