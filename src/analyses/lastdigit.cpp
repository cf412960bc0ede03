#include "analyses/lastdigit.h"

namespace pirumo {

AnalysisWindowSpec LastDigitWindow() {
    AnalysisWindowSpec spec;
    spec.name = "下一桁出現傾向分析";
    spec.caption = "下一桁出現傾向分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

}  // namespace pirumo
