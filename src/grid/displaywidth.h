#pragma once

#include <string_view>

namespace pirumo {

// Width of UTF-8 text in character cells: East Asian wide and full-width characters count 2,
// every other character 1. Bytes that are not valid UTF-8 count 1 each.
int DisplayWidth(std::string_view text);

}  // namespace pirumo
