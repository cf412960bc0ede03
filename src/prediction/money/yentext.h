#pragma once

#include <cstdint>
#include <string>

namespace pirumo {

// "1,234,500円": yen with thousands separators, as windows and text output show amounts.
std::string YenText(std::int64_t yen);

// "1,234,500" without the unit, for grid cells under a heading that names it.
std::string GroupedDigits(std::int64_t value);

// "53.5%": a return rate (won / spent) to one decimal; "―" when nothing was spent.
std::string ReturnRateText(double won, std::int64_t spent);

}  // namespace pirumo
