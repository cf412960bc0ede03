#include "analyses/consecutive.h"

namespace pirumo {

AnalysisWindowSpec ConsecutiveWindow() {
    AnalysisWindowSpec spec;
    spec.name = "連番飛び石分析";
    spec.caption = "連番飛び石分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

}  // namespace pirumo
