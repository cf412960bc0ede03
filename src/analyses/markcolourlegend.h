#pragma once

#include <vector>

#include "analyses/analysiswindowdescription.h"

namespace pirumo {

// Text colours of the "●" marks that the charts put where a draw produced a number.
constexpr Rgb kMainNumberMarkColour = MakeRgb(62, 158, 255);
constexpr Rgb kBonusNumberMarkColour = MakeRgb(255, 128, 192);

// The legend of those two colours: a ball of each colour (both named Picture1) just before
// Label2 "：本数字" and Label3 "：ボーナス数字", on one line right of Label1.
std::vector<LegendControl> MarkColourLegend();

// Width left to the window's description before that legend.
constexpr int kDescriptionWidthBeforeMarkLegend = 4140;

}  // namespace pirumo
