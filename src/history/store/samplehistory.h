#pragma once

#include <vector>

#include "history/draw.h"

namespace pirumo {

// A made-up history of `draws` draws numbered from 1: five distinct main numbers in ascending
// order and a bonus distinct from them, dated weekly from 1999/04/13. The same seed gives the
// same draws on every platform. Throws HistoryError unless 0 <= draws <= 32767.
std::vector<Draw> MakeSampleHistory(int draws, unsigned seed);

}  // namespace pirumo
