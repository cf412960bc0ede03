#include "analyses/lastdigitrun.h"

#include "analyses/chance/groupchance.h"
#include "analyses/lastdigit.h"
#include "analyses/lastdigitrungrid.h"

namespace pirumo {

Analysis LastDigitRunAnalysis() {
    return MakeAnalysis("下一桁連続出現回数分析", "下一桁連続出現回数分析",
                        "過去の当選番号の下一桁数字が何回続けて出現しているか分析します",
                        AnalyseLastDigit, FillLastDigitRunGrid, CompareLastDigitRun);
}

}  // namespace pirumo
