#pragma once

#include <filesystem>

#include "history/drawrange.h"

namespace pirumo {

// The 分析範囲 saved in the settings file (the line 分析範囲=...); 全期間 when there is none, when
// its value is not a range, or when the file cannot be read.
DrawRange ReadDrawRangeSetting(const std::filesystem::path& settingsFile);

// Saves the range in the settings file, keeping every other line as it is; 全期間 removes the
// line. Throws HistoryError (also for a file that cannot be read, whose lines would be lost); the
// file is then left as it was.
void SaveDrawRangeSetting(const std::filesystem::path& settingsFile, const DrawRange& range);

}  // namespace pirumo
