#pragma once

#include <string>
#include <string_view>

namespace pirumo {

// The date one week after `date` ("YYYY/MM/DD"), the usual date of the next draw; empty when
// `date` is no such date.
std::string OneWeekAfter(std::string_view date);

}  // namespace pirumo
