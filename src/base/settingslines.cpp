#include "base/settingslines.h"

#include "base/japanesetext.h"

namespace pirumo {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// CP932 lead bytes are mostly UTF-8 continuation bytes, so a CP932 line with Japanese in it
// is almost never valid UTF-8; plain ASCII reads the same either way.
SettingsLine DecodeLine(std::string_view bytes) {
    if (IsValidUtf8(bytes)) {
        return {std::string(bytes), true};
    }
    if (auto text = Cp932ToUtf8(bytes)) {
        return {std::move(*text), true};
    }
    return {std::string(bytes), false};
}

}  // namespace

std::vector<SettingsLine> SplitSettingsLines(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    std::vector<SettingsLine> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        lines.push_back(DecodeLine(bytes.substr(start, end - start)));
        start = end;
        if (start < bytes.size() && bytes[start] == '\r') {
            ++start;
        }
        if (start < bytes.size() && bytes[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

std::optional<std::string> SettingsLineBytes(const SettingsLine& line) {
    if (!line.decoded) {
        return line.text;
    }
    return Utf8ToCp932(line.text);
}

}  // namespace pirumo
