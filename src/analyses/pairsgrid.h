#pragma once

#include "analyses/pairs.h"
#include "grid/resultgrid.h"

namespace pirumo {

// Above and below the 95 % range of chance.
inline constexpr Rgb kPairAboveColour = MakeRgb(255, 200, 200);
inline constexpr Rgb kPairBelowColour = MakeRgb(200, 255, 255);
// What marks the pairs furthest from chance.
inline constexpr const char* kPairMark = "★";

// One row per pair in `order`: the pair, how often it was drawn, the expectation, its 95 % range,
// the difference and the mark of the furthest pairs.
void FillPairGrid(const PairResult& result, ResultGrid& grid, PairOrder order);

}  // namespace pirumo
