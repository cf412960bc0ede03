#pragma once

#include "analyses/appearancebycount.h"
#include "analyses/appearancecount.h"
#include "analyses/appearancefrequency.h"
#include "analyses/chance/chancereport.h"

namespace pirumo {

// The three windows about how often each number was drawn compare those counts per number;
// 出現頻度分析 its main-number counts too, 回数別出現分析 how the counts spread.
ChanceReport CompareAppearanceFrequency(const AppearanceFrequencyResult& result, int draws);
ChanceReport CompareAppearanceByCount(const AppearanceByCountResult& result, int draws);
ChanceReport CompareAppearanceCount(const AppearanceCountResult& result, int draws);

}  // namespace pirumo
