#pragma once

#include <cstdint>
#include <string>

namespace pirumo {

// "1,000円": yen with a separator every three digits, as windows and text show amounts.
std::string FormatYen(std::int64_t yen);

// "1,234,567": the digits alone, grouped the same way.
std::string GroupDigits(std::int64_t value);

}  // namespace pirumo
