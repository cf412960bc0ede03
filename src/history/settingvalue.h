#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pirumo {

// Values the program keeps in the settings file beside the prediction options, each on a line
// `key=value` that the options' reader passes over.

// The value of the last `key=` line; nullopt when there is none or the file cannot be read (the
// options' reader reports an unreadable file).
std::optional<std::string> ReadSettingValue(const std::filesystem::path& settingsFile,
                                            std::string_view key);

// Replaces the `key=` lines with one `key=value` line (none when `value` is nullopt), keeping every
// other line as it is. `what` names the value in messages. Throws HistoryError, also for a file
// that cannot be read, whose lines would be lost; the file is then left as it was.
void SaveSettingValue(const std::filesystem::path& settingsFile, std::string_view key,
                      const std::optional<std::string>& value, std::string_view what);

}  // namespace pirumo
