#pragma once

#include <string>
#include <vector>

#include "prediction/backtest/backtest.h"

namespace pirumo {

// The smallest excess of a method's mean matches per draw over chance that its checked draws
// could tell from chance at 95 %, as a share of the chance mean (0.052 = +5.2 %); 0 when the
// method showed nothing to check.
double DetectableEdge(const MethodSummary& summary);

// Methods with numbers to judge over the checked draws.
int JudgedMethods(const BacktestResult& result);

// The chance that at least one of `methods` methods, none better than chance, falls outside its
// 95 % range anyway.
double ChanceOfAnyFlagged(int methods);

// What the checked range can and cannot show, one note per line: the smallest detectable edge
// per method, and, when several methods are judged at once, how often one of them is flagged by
// chance alone.
std::vector<std::string> BacktestPowerNotes(const BacktestResult& result);

// The same figures as a JSON object: {"detectableEdge": {method: share, ...}, "judged": n,
// "anyFlaggedByChance": p, "notes": [...]}.
std::string BacktestPowerJson(const BacktestResult& result);

}  // namespace pirumo
