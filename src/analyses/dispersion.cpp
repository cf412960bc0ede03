#include "analyses/dispersion.h"

namespace pirumo {

AnalysisWindowSpec DispersionWindow() {
    AnalysisWindowSpec spec;
    spec.name = "バラツキ分析";
    spec.caption = "バラツキ分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

}  // namespace pirumo
