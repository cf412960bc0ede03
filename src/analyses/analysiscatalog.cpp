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
#include "analyses/pairs.h"

namespace pirumo {

namespace {

struct MenuCaption {
    const char* window;
    const char* caption;
};

// The menu words differ from the window names where the menu keeps a 「・」 or puts the group
// count first.
constexpr MenuCaption kMenuCaptions[] = {
    {"出現頻度分析", "出現頻度分析"},
    {"回数別出現分析", "回数別出現分析"},
    {"出現間隔分析", "出現間隔分析"},
    {"数字間隔分析", "数字間隔分析"},
    {"出現回数分析", "出現回数分析"},
    {"バラツキ分析", "バラツキ分析"},
    {"引っ張り分析", "引っ張り分析"},
    {"連番飛び石分析", "連番・飛び石分析"},
    {"数字合計分析", "数字合計分析"},
    {"低数字高数字の組合せパターン分析", "低数字・高数字の組合せパターン分析"},
    {"偶数奇数の組合せパターン分析", "偶数・奇数の組合せパターン分析"},
    {"分割4傾向分析", "4分割傾向分析"},
    {"分割6データ分析", "6分割データ分析"},
    {"分割7データ分析", "7分割データ分析"},
    {"分割10データ分析", "10分割データ分析"},
    {"下一桁出現傾向分析", "下一桁出現傾向分析"},
    {"下一桁連続出現回数分析", "下一桁連続出現回数分析"},
    {"ペア分析", "ペア分析"},
};

}  // namespace

const std::vector<Analysis>& Analyses() {
    static const std::vector<Analysis> windows{
        AppearanceFrequencyAnalysis(), AppearanceByCountAnalysis(), AppearanceIntervalAnalysis(),
        NumberGapAnalysis(),           AppearanceCountAnalysis(),   DispersionAnalysis(),
        CarryOverAnalysis(),           ConsecutiveAnalysis(),       NumberSumAnalysis(),
        LowHighPatternAnalysis(),      EvenOddPatternAnalysis(),    FourGroupAnalysis(),
        GroupData6Analysis(),          GroupData7Analysis(),        GroupData10Analysis(),
        LastDigitAnalysis(),           LastDigitRunAnalysis(),      PairAnalysis(),
    };
    return windows;
}

const Analysis* FindAnalysis(std::string_view name) {
    for (const Analysis& w : Analyses()) {
        if (w.name == name) {
            return &w;
        }
    }
    return nullptr;
}

const char* AnalysisMenuCaption(std::string_view name) {
    for (const MenuCaption& entry : kMenuCaptions) {
        if (name == entry.window) {
            return entry.caption;
        }
    }
    return nullptr;
}

const Analysis* FindAnalysisByNameOrCaption(std::string_view text) {
    if (const Analysis* window = FindAnalysis(text)) {
        return window;
    }
    for (const MenuCaption& entry : kMenuCaptions) {
        if (text == entry.caption) {
            return FindAnalysis(entry.window);
        }
    }
    return nullptr;
}

}  // namespace pirumo
