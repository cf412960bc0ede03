#include "history/settingvalue.h"

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

// The settings file's bytes; empty when there is none. Throws HistoryError when it cannot be read.
std::string ReadSettings(const fs::path& file) {
    try {
        return ReadInputFileIfPresent(file, "設定ファイル「" + file.string() + "」")
            .value_or(std::string());
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
}

// The value of a `key=` line (in UTF-8), or nullopt for any other line.
std::optional<std::string> ValueOf(const SettingsLine& line, std::string_view key) {
    const std::string prefix = std::string(key) + "=";
    if (!line.decoded || !line.text.starts_with(prefix)) {
        return std::nullopt;
    }
    return line.text.substr(prefix.size());
}

}  // namespace

std::optional<std::string> ReadSettingValue(const fs::path& settingsFile, std::string_view key) {
    std::string bytes;
    try {
        bytes = ReadSettings(settingsFile);
    } catch (const HistoryError&) {
        return std::nullopt;
    }
    std::optional<std::string> found;
    for (const SettingsLine& line : SplitSettingsLines(bytes)) {
        if (auto value = ValueOf(line, key)) {
            found = std::move(value);  // the later line wins, as for the options
        }
    }
    return found;
}

void SaveSettingValue(const fs::path& settingsFile, std::string_view key,
                      const std::optional<std::string>& value, std::string_view what) {
    std::string bytes;
    for (const SettingsLine& line : SplitSettingsLines(ReadSettings(settingsFile))) {
        if (ValueOf(line, key)) {
            continue;
        }
        const auto kept = SettingsLineBytes(line);
        if (!kept) {
            throw HistoryError("設定ファイルの行「" + line.text +
                               "」はCP932で保存できない文字を含むため、" + std::string(what) +
                               "を保存しませんでした。");
        }
        bytes += *kept + "\r\n";
    }
    if (value) {
        const auto line = Utf8ToCp932(std::string(key) + "=" + *value);
        if (!line) {
            throw HistoryError(std::string(what) +
                               "に設定ファイルに保存できない文字が含まれています。");
        }
        bytes += *line + "\r\n";
    }
    std::error_code ignored;  // a folder that cannot be made fails the write below
    if (settingsFile.has_parent_path()) {
        fs::create_directories(settingsFile.parent_path(), ignored);
    }
    try {
        WriteFileAtomically(settingsFile, bytes);
    } catch (const std::runtime_error& error) {
        throw HistoryError(std::string(what) + "を設定ファイル「" + settingsFile.string() +
                           "」に保存できませんでした。" + error.what());
    }
}

}  // namespace pirumo
