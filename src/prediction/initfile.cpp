#include "prediction/initfile.h"

#include "base/atomicfile.h"
#include "base/fileerror.h"
#include "base/inputfile.h"
#include "base/japanesetext.h"
#include "base/settingslines.h"

#include <charconv>
#include <optional>

namespace pirumo {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// "True" / "False" in any case, or a number (0 is False, any other number True).
std::optional<bool> ParseBoolean(std::string_view value) {
    if (EqualsIgnoringCase(value, "true")) {
        return true;
    }
    if (EqualsIgnoringCase(value, "false")) {
        return false;
    }
    std::string_view digits = value;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
    }
    const std::string_view magnitude =
        (!digits.empty() && digits.front() == '-') ? digits.substr(1) : digits;
    if (magnitude.empty() ||
        !((magnitude.front() >= '0' && magnitude.front() <= '9') || magnitude.front() == '.')) {
        return std::nullopt;  // also keeps out "inf" and "nan"
    }
    double number = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (ec != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return number != 0;
}

int IndexOfKey(std::string_view key) {
    for (int i = 0; i < PredictionOptions::kCount; ++i) {
        if (kPredictionOptionInfo[static_cast<std::size_t>(i)].key == key) {
            return i;
        }
    }
    return -1;
}

// The option a `key=value` line sets, or -1 for any other line.
int OptionOfLine(const SettingsLine& line) {
    if (!line.decoded) {
        return -1;
    }
    const std::size_t equals = line.text.find('=');
    return equals == std::string::npos ? -1
                                       : IndexOfKey(std::string_view(line.text).substr(0, equals));
}

void ReadLine(const SettingsLine& line, PredictionOptions& options) {
    const int index = OptionOfLine(line);
    if (index < 0) {
        return;
    }
    // Only the piece up to a second "=" is the value.
    std::string_view value = std::string_view(line.text).substr(line.text.find('=') + 1);
    value = value.substr(0, value.find('='));
    if (const auto flag = ParseBoolean(value)) {
        options.reflect[static_cast<std::size_t>(index)] = *flag;
    }
}

}  // namespace

void ParseInitText(std::string_view text, PredictionOptions& options) {
    for (const SettingsLine& line : SplitSettingsLines(text)) {
        ReadLine(line, options);
    }
}

std::string FormatInitText(const PredictionOptions& options, std::string_view kept) {
    std::string utf8;
    for (int i = 0; i < PredictionOptions::kCount; ++i) {
        utf8 += kPredictionOptionInfo[static_cast<std::size_t>(i)].key;
        utf8 += options.reflect[static_cast<std::size_t>(i)] ? "=True\r\n" : "=False\r\n";
    }
    auto cp932 = Utf8ToCp932(utf8);
    if (!cp932) {
        throw InitFileError("設定ファイルの内容をCP932に変換できませんでした。");
    }
    for (const SettingsLine& line : SplitSettingsLines(kept)) {
        if (line.text.empty() || OptionOfLine(line) >= 0) {
            continue;
        }
        const auto bytes = SettingsLineBytes(line);
        if (!bytes) {
            throw InitFileError(
                "設定ファイルの行「" + line.text +
                "」はCP932で保存できない文字を含むため、設定を保存しませんでした。");
        }
        *cp932 += *bytes + "\r\n";
    }
    return *cp932;
}

namespace {

// The file's bytes; nullopt when it does not exist. Throws InitFileError when it cannot be read.
std::optional<std::string> ReadSettingsBytes(const std::filesystem::path& file) {
    try {
        return ReadInputFileIfPresent(file, "設定ファイル「" + file.string() + "」");
    } catch (const FileError& error) {
        throw InitFileError(error.what());
    }
}

}  // namespace

void ReadInitFile(const std::filesystem::path& file, PredictionOptions& options) {
    if (const std::optional<std::string> bytes = ReadSettingsBytes(file)) {
        ParseInitText(*bytes, options);
    }
}

void WriteInitFile(const std::filesystem::path& file, const PredictionOptions& options) {
    std::optional<std::string> old;
    try {
        old = ReadSettingsBytes(file);
    } catch (const InitFileError& error) {
        // Its other lines (the refresh source, the user's own) would be lost.
        throw InitFileError(std::string(error.what()) +
                            "読めないファイルは置き換えないため、設定を保存しませんでした。");
    }
    const std::string bytes = FormatInitText(options, old.value_or(std::string()));
    std::error_code ignored;  // a folder that cannot be made fails the write below
    if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), ignored);
    }
    try {
        WriteFileAtomically(file, bytes);
    } catch (const std::runtime_error& error) {
        throw InitFileError(std::string("設定を保存できませんでした。") + error.what());
    }
}

}  // namespace pirumo
