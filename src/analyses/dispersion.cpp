#include "analyses/dispersion.h"

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
    Analysis analysis;
    analysis.name = "バラツキ分析";
    analysis.caption = "バラツキ分析";
    analysis.summary = "過去の当選番号のバラツキを数字別に分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        FillDispersionGrid(AnalyseDispersion(history), grid);
    };
    return analysis;
}

}  // namespace pirumo
