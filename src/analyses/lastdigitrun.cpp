#include "analyses/lastdigitrun.h"

namespace pirumo {

AnalysisWindowSpec LastDigitRunWindow() {
    AnalysisWindowSpec spec;
    spec.name = "下一桁連続出現回数分析";
    spec.caption = "下一桁連続出現回数分析";
    spec.runAnalysis = [](const DrawHistory&, ResultGrid&) {};
    return spec;
}

}  // namespace pirumo
