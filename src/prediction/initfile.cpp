#include "prediction/initfile.h"

#include "base/atomicfile.h"
#include "base/fileerror.h"
#include "base/inputfile.h"
#include "base/japanesetext.h"

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

// Calls f(line) for each line of CP932 text, without its end; CR and LF never occur inside a
// CP932 character, so lines can be cut before decoding.
template <typename F>
void ForEachLine(std::string_view cp932Text, F&& f) {
    std::size_t start = 0;
    while (start < cp932Text.size()) {
        std::size_t end = cp932Text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = cp932Text.size();
        }
        f(cp932Text.substr(start, end - start));
        start = end;
        if (start < cp932Text.size() && cp932Text[start] == '\r') {
            ++start;
        }
        if (start < cp932Text.size() && cp932Text[start] == '\n') {
            ++start;
        }
    }
}

// A `key=value` line of another part of the program (the refresh source), which a write of the
// options keeps; option lines and lines that cannot be read are not kept.
bool IsOtherSetting(std::string_view cp932Line) {
    const auto utf8 = Cp932ToUtf8(cp932Line);
    if (!utf8) {
        return false;
    }
    const std::string_view line = *utf8;
    const std::size_t equals = line.find('=');
    return equals != std::string_view::npos && equals > 0 && IndexOfKey(line.substr(0, equals)) < 0;
}

void ReadLine(std::string_view cp932Line, PredictionOptions& options) {
    const auto utf8 = Cp932ToUtf8(cp932Line);
    if (!utf8) {
        return;
    }
    const std::string_view line = *utf8;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    const int index = IndexOfKey(line.substr(0, equals));
    if (index < 0) {
        return;
    }
    // Only the piece up to a second "=" is the value.
    std::string_view value = line.substr(equals + 1);
    value = value.substr(0, value.find('='));
    if (const auto flag = ParseBoolean(value)) {
        options.reflect[static_cast<std::size_t>(index)] = *flag;
    }
}

}  // namespace

void ParseInitText(std::string_view cp932Text, PredictionOptions& options) {
    ForEachLine(cp932Text, [&options](std::string_view line) { ReadLine(line, options); });
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
    ForEachLine(kept, [&cp932](std::string_view line) {
        if (IsOtherSetting(line)) {
            *cp932 += std::string(line) + "\r\n";
        }
    });
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
    } catch (const InitFileError&) {
        // The options are written all the same; only the other lines are lost.
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
