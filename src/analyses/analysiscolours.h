#pragma once

#include "grid/resultgrid.h"

namespace pirumo {

// Colours that several analysis grids share; a colour only one window uses stays in its unit.
constexpr Rgb kBlack = MakeRgb(0, 0, 0);
constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kGrey = MakeRgb(225, 225, 225);
constexpr Rgb kPaleYellow = MakeRgb(255, 255, 200);
constexpr Rgb kPaleCyan = MakeRgb(200, 255, 255);
constexpr Rgb kPaleGreen = MakeRgb(200, 255, 200);
constexpr Rgb kPaleRed = MakeRgb(255, 200, 200);
constexpr Rgb kPaleMagenta = MakeRgb(255, 200, 255);
constexpr Rgb kPaleTurquoise = MakeRgb(222, 254, 253);
constexpr Rgb kFrameBlue = MakeRgb(136, 196, 255);

// Colours that a window's legend explains, so the legend and the cells cannot drift apart.
// The "●" marks the charts put where a draw produced a number:
constexpr Rgb kMainNumberMarkColour = MakeRgb(62, 158, 255);
constexpr Rgb kBonusNumberMarkColour = MakeRgb(255, 128, 192);
// 引っ張り分析: a number the previous draw also produced.
constexpr Rgb kCarriedColour = kPaleCyan;
// Group windows: a group no number of the draw fell in.
constexpr Rgb kMissedGroupColour = MakeRgb(210, 210, 210);

}  // namespace pirumo
