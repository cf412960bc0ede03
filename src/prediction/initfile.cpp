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

std::filesystem::path DefaultInitFilePath() {
    return std::filesystem::path(std::string(kInitFileName));
}

void ParseInitText(std::string_view cp932Text, PredictionOptions& options) {
    std::size_t start = 0;
    while (start < cp932Text.size()) {
        // CR and LF never occur inside a CP932 character, so lines can be cut before decoding.
        std::size_t end = cp932Text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = cp932Text.size();
        }
        ReadLine(cp932Text.substr(start, end - start), options);
        start = end;
        if (start < cp932Text.size() && cp932Text[start] == '\r') {
            ++start;
        }
        if (start < cp932Text.size() && cp932Text[start] == '\n') {
            ++start;
        }
    }
}

std::string FormatInitText(const PredictionOptions& options) {
    std::string utf8;
    for (int i = 0; i < PredictionOptions::kCount; ++i) {
        utf8 += kPredictionOptionInfo[static_cast<std::size_t>(i)].key;
        utf8 += options.reflect[static_cast<std::size_t>(i)] ? "=True\r\n" : "=False\r\n";
    }
    auto cp932 = Utf8ToCp932(utf8);
    if (!cp932) {
        throw InitFileError("設定ファイルの内容をCP932に変換できませんでした。");
    }
    return *cp932;
}

void ReadInitFile(const std::filesystem::path& file, PredictionOptions& options) {
    std::optional<std::string> bytes;
    try {
        bytes = ReadInputFileIfPresent(file, "設定ファイル「" + file.string() + "」");
    } catch (const FileError& error) {
        throw InitFileError(error.what());
    }
    if (bytes) {
        ParseInitText(*bytes, options);
    }
}

void WriteInitFile(const std::filesystem::path& file, const PredictionOptions& options) {
    const std::string bytes = FormatInitText(options);
    try {
        WriteFileAtomically(file, bytes);
    } catch (const std::runtime_error& error) {
        throw InitFileError(std::string("設定を保存できませんでした。") + error.what());
    }
}

}  // namespace pirumo
