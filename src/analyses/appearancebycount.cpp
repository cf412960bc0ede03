#include "analyses/appearancebycount.h"

namespace pirumo {

AnalysisWindowSpec AppearanceByCountWindow() {
    AnalysisWindowSpec spec;
    spec.name = "回数別出現分析";
    spec.caption = "回数別出現分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

}  // namespace pirumo
