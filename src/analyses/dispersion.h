#pragma once

#include <vector>

#include "analyses/analysis.h"
#include "analyses/drawnnumbers.h"
#include "history/drawhistory.h"

namespace pirumo {

// How the drawn numbers spread over 1..31, draw by draw.
struct DispersionResult {
    int lastDrawNumber = 0;
    std::vector<DrawnNumbers> draws;  // every valid draw, in 回数 order
};

DispersionResult AnalyseDispersion(const DrawHistory& history);

// Window バラツキ分析.
Analysis DispersionAnalysis();

}  // namespace pirumo
