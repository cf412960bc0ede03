#include "history/drawrangesetting.h"

#include "history/settingvalue.h"

namespace pirumo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kRangeKey = "分析範囲";

}  // namespace

DrawRange ReadDrawRangeSetting(const fs::path& settingsFile) {
    const auto value = ReadSettingValue(settingsFile, kRangeKey);
    return value ? ParseDrawRangeSetting(*value).value_or(DrawRange()) : DrawRange();
}

void SaveDrawRangeSetting(const fs::path& settingsFile, const DrawRange& range) {
    SaveSettingValue(
        settingsFile, kRangeKey,
        range.IsEverything() ? std::nullopt : std::optional(DrawRangeSettingText(range)),
        "分析範囲");
}

}  // namespace pirumo
