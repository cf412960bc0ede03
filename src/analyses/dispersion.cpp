#include "analyses/dispersion.h"

#include "analyses/chance/drawshapechance.h"
#include "analyses/dispersiongrid.h"

namespace pirumo {

DispersionResult AnalyseDispersion(const DrawHistory& history) {
    DispersionResult result;
    result.lastDrawNumber = history.LastDrawNumber();
    result.draws.reserve(history.Rows().size());
    history.ForEachValidDraw(
        [&](const Draw& draw) { result.draws.push_back(DrawnNumbersOf(draw)); });
    return result;
}

Analysis DispersionAnalysis() {
    return MakeAnalysis("バラツキ分析", "バラツキ分析",
                        "過去の当選番号のバラツキを数字別に分析します", AnalyseDispersion,
                        FillDispersionGrid, CompareDispersion);
}

}  // namespace pirumo
