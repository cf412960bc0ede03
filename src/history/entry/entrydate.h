#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pirumo {

// What the user typed into the 開催日 cell of the entry window: empty, or a real calendar date
// written 2025/9/30, 2025-09-30, 2025.09.30 or 2025年9月30日 (full-width digits too, blanks
// around ignored). Returns "" for empty, the date as "YYYY/MM/DD", or nullopt when it is no date.
std::optional<std::string> ParseEntryDate(std::string_view text);

// The date one week after `date` ("YYYY/MM/DD"), the usual date of the next draw; empty when
// `date` is no such date.
std::string OneWeekAfter(std::string_view date);

}  // namespace pirumo
