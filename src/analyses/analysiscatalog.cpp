#include "analyses/analysiscatalog.h"

#include "analyses/appearancebycount.h"
#include "analyses/appearancecount.h"
#include "analyses/appearancefrequency.h"
#include "analyses/appearanceinterval.h"
#include "analyses/carryover.h"
#include "analyses/consecutive.h"
#include "analyses/dispersion.h"
#include "analyses/evenoddpattern.h"
#include "analyses/fourgroup.h"
#include "analyses/groupdata.h"
#include "analyses/lastdigit.h"
#include "analyses/lastdigitrun.h"
#include "analyses/lowhighpattern.h"
#include "analyses/numbergap.h"
#include "analyses/numbersum.h"

namespace pirumo {

const std::vector<AnalysisWindowDescription>& AnalysisWindows() {
    static const std::vector<AnalysisWindowDescription> windows{
        AppearanceFrequencyWindow(), AppearanceByCountWindow(), AppearanceIntervalWindow(),
        NumberGapWindow(),           AppearanceCountWindow(),   DispersionWindow(),
        CarryOverWindow(),           ConsecutiveWindow(),       NumberSumWindow(),
        LowHighPatternWindow(),      EvenOddPatternWindow(),    FourGroupWindow(),
        GroupData6Window(),          GroupData7Window(),        GroupData10Window(),
        LastDigitWindow(),           LastDigitRunWindow(),
    };
    return windows;
}

const AnalysisWindowDescription* FindAnalysisWindow(std::string_view name) {
    for (const AnalysisWindowDescription& w : AnalysisWindows()) {
        if (w.name == name) {
            return &w;
        }
    }
    return nullptr;
}

}  // namespace pirumo
