#include "analyses/lastdigitrun.h"

#include "analyses/lastdigit.h"
#include "analyses/lastdigitrungrid.h"

namespace pirumo {

Analysis LastDigitRunAnalysis() {
    Analysis analysis;
    analysis.name = "下一桁連続出現回数分析";
    analysis.caption = "下一桁連続出現回数分析";
    analysis.summary = "過去の当選番号の下一桁数字が何回続けて出現しているか分析します";
    analysis.fillGrid = [](const DrawHistory& history, ResultGrid& grid) {
        FillLastDigitRunGrid(AnalyseLastDigit(history), grid);
    };
    return analysis;
}

}  // namespace pirumo
