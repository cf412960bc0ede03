#pragma once

#include <string>

#include "analyses/chance/chancereport.h"

namespace pirumo {

// A p-value in plain words: how often a fair draw gives a difference at least this large.
std::string PValueInWords(double pValue);

// How many figures are outside their range, beside how many a fair draw leaves outside.
std::string ChanceOutsideLine(const ChanceReport& report);

// The reminder shown with every comparison: with many figures, some fall outside their 95 %
// range by chance alone.
std::string ChanceReminder();

// A number with at most `decimals` decimals, trailing zeros dropped: 80, 12.5, 0.04.
std::string ChanceNumber(double value, int decimals = 1);

}  // namespace pirumo
