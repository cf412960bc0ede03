#include "history/drawrangesetting.h"

#include <optional>
#include <string_view>
#include <system_error>

#include "base/atomicfile.h"
#include "base/fileerror.h"
#include "base/inputfile.h"
#include "base/japanesetext.h"
#include "base/settingslines.h"
#include "history/historyerror.h"

namespace pirumo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kRangeKey = "分析範囲";

std::string ReadSettings(const fs::path& file) {
    try {
        return ReadInputFileIfPresent(file, "設定ファイル「" + file.string() + "」")
            .value_or(std::string());
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
}

std::optional<std::string> RangeValueOf(const SettingsLine& line) {
    if (!line.decoded || !line.text.starts_with(std::string(kRangeKey) + "=")) {
        return std::nullopt;
    }
    return line.text.substr(kRangeKey.size() + 1);
}

}  // namespace

DrawRange ReadDrawRangeSetting(const fs::path& settingsFile) {
    std::string bytes;
    try {
        bytes = ReadSettings(settingsFile);
    } catch (const HistoryError&) {
        return {};  // the options' reader reports an unreadable file
    }
    DrawRange range;
    for (const SettingsLine& line : SplitSettingsLines(bytes)) {
        if (const auto value = RangeValueOf(line)) {
            range = ParseDrawRangeSetting(*value).value_or(DrawRange());  // the later line wins
        }
    }
    return range;
}

void SaveDrawRangeSetting(const fs::path& settingsFile, const DrawRange& range) {
    std::string bytes;
    for (const SettingsLine& line : SplitSettingsLines(ReadSettings(settingsFile))) {
        if (RangeValueOf(line)) {
            continue;
        }
        const auto kept = SettingsLineBytes(line);
        if (!kept) {
            throw HistoryError(
                "設定ファイルの行「" + line.text +
                "」はCP932で保存できない文字を含むため、分析範囲を保存しませんでした。");
        }
        bytes += *kept + "\r\n";
    }
    if (!range.IsEverything()) {
        bytes += *Utf8ToCp932(std::string(kRangeKey) + "=" + DrawRangeSettingText(range)) + "\r\n";
    }
    std::error_code ignored;  // a folder that cannot be made fails the write below
    if (settingsFile.has_parent_path()) {
        fs::create_directories(settingsFile.parent_path(), ignored);
    }
    try {
        WriteFileAtomically(settingsFile, bytes);
    } catch (const std::runtime_error& error) {
        throw HistoryError("分析範囲を設定ファイル「" + settingsFile.string() +
                           "」に保存できませんでした。" + error.what());
    }
}

}  // namespace pirumo
