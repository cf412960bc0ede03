#include "analyses/groupdata.h"

namespace pirumo {

AnalysisWindowSpec GroupData6Window() {
    AnalysisWindowSpec spec;
    spec.name = "分割6データ分析";
    spec.caption = "分割6データ分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

AnalysisWindowSpec GroupData7Window() {
    AnalysisWindowSpec spec;
    spec.name = "分割7データ分析";
    spec.caption = "分割7データ分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

AnalysisWindowSpec GroupData10Window() {
    AnalysisWindowSpec spec;
    spec.name = "分割10データ分析";
    spec.caption = "分割10データ分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

}  // namespace pirumo
