#include "analyses/carryover.h"

namespace pirumo {

AnalysisWindowSpec CarryOverWindow() {
    AnalysisWindowSpec spec;
    spec.name = "引っ張り分析";
    spec.caption = "引っ張り分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

}  // namespace pirumo
