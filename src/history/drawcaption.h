#pragma once

#include <string>

#include "history/draw.h"

namespace pirumo {

// A draw as messages name it: "第1354回（2025/09/30）", or "第1354回" when its date is unknown.
std::string DrawCaption(int drawNumber, const std::string& date);
std::string DrawCaption(const Draw& draw);

}  // namespace pirumo
