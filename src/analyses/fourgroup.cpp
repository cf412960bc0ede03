#include "analyses/fourgroup.h"

namespace pirumo {

AnalysisWindowSpec FourGroupWindow() {
    AnalysisWindowSpec spec;
    spec.name = "分割4傾向分析";
    spec.caption = "分割4傾向分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

}  // namespace pirumo
