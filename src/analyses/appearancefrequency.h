#pragma once

#include <vector>

#include "analyses/analysis.h"
#include "analyses/drawnnumbers.h"
#include "history/drawhistory.h"

namespace pirumo {

// A valid draw that produced a given number.
struct NumberAppearance {
    int drawNumber = 0;
    // Times the number had been drawn before this draw: its place in the number's run, from 0.
    int earlierCount = 0;
    bool bonus = false;  // drawn as the bonus number

    friend bool operator==(const NumberAppearance&, const NumberAppearance&) = default;
};

struct AppearanceFrequencyResult {
    PerNumber<int> counts{};  // times each number was drawn, main or bonus
    PerNumber<std::vector<NumberAppearance>> appearances;  // oldest first
};

AppearanceFrequencyResult AnalyseAppearanceFrequency(const DrawHistory& history);

// Window 出現頻度分析.
Analysis AppearanceFrequencyAnalysis();

}  // namespace pirumo
