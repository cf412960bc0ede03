#include "analyses/analysiscatalog.h"

#include "analyses/appearancefrequency.h"
#include "analyses/appearancebycount.h"
#include "analyses/appearanceinterval.h"
#include "analyses/numbergap.h"
#include "analyses/appearancecount.h"
#include "analyses/dispersion.h"
#include "analyses/carryover.h"
#include "analyses/consecutive.h"
#include "analyses/numbersum.h"
#include "analyses/lowhighpattern.h"
#include "analyses/evenoddpattern.h"
#include "analyses/fourgroup.h"
#include "analyses/groupdata.h"
#include "analyses/lastdigit.h"
#include "analyses/lastdigitrun.h"

namespace pirumo {

const std::vector<AnalysisWindowSpec>& AnalysisWindows() {
    static const std::vector<AnalysisWindowSpec> windows{
        AppearanceFrequencyWindow(),
        AppearanceByCountWindow(),
        AppearanceIntervalWindow(),
        NumberGapWindow(),
        AppearanceCountWindow(),
        DispersionWindow(),
        CarryOverWindow(),
        ConsecutiveWindow(),
        NumberSumWindow(),
        LowHighPatternWindow(),
        EvenOddPatternWindow(),
        FourGroupWindow(),
        GroupData6Window(),
        GroupData7Window(),
        GroupData10Window(),
        LastDigitWindow(),
        LastDigitRunWindow(),
    };
    return windows;
}

const AnalysisWindowSpec* FindAnalysisWindow(std::string_view name) {
    for (const AnalysisWindowSpec& w : AnalysisWindows()) {
        if (w.name == name) {
            return &w;
        }
    }
    return nullptr;
}

}  // namespace pirumo
