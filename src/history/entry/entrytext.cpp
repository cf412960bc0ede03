#include "history/entry/entrytext.h"

namespace pirumo {

namespace {

constexpr std::string_view kFullWidthZero = "\xEF\xBC\x90";     // U+FF10
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";  // U+3000
constexpr int kMaxDigits = 4;  // more digits than this cannot be 1..31, however they read

// Length of the blank at the start of text (half-width blank, tab or U+3000), 0 when none.
std::size_t BlankAt(std::string_view text) {
    if (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        return 1;
    }
    return text.starts_with(kIdeographicSpace) ? kIdeographicSpace.size() : 0;
}

std::size_t BlankBefore(std::string_view text) {
    if (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        return 1;
    }
    return text.ends_with(kIdeographicSpace) ? kIdeographicSpace.size() : 0;
}

std::string_view TrimBlanks(std::string_view text) {
    while (std::size_t n = BlankAt(text)) {
        text.remove_prefix(n);
    }
    while (std::size_t n = BlankBefore(text)) {
        text.remove_suffix(n);
    }
    return text;
}

// The value of the digit at the start of text and its length in bytes, or -1 for no digit.
int DigitAt(std::string_view text, std::size_t& length) {
    if (!text.empty() && text.front() >= '0' && text.front() <= '9') {
        length = 1;
        return text.front() - '0';
    }
    // U+FF10..U+FF19 are EF BC 90..99.
    if (text.size() >= 3 && text.substr(0, 2) == kFullWidthZero.substr(0, 2)) {
        const auto last = static_cast<unsigned char>(text[2]);
        if (last >= 0x90 && last <= 0x99) {
            length = 3;
            return last - 0x90;
        }
    }
    return -1;
}

}  // namespace

std::string EntryText::CellText() const {
    return kind == Kind::kNumber ? std::to_string(number) : std::string();
}

EntryText ParseEntryText(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty()) {
        return {};
    }
    int value = 0;
    int significantDigits = 0;
    while (!text.empty()) {
        std::size_t length = 0;
        const int digit = DigitAt(text, length);
        if (digit < 0) {
            return {EntryText::Kind::kWrong};
        }
        text.remove_prefix(length);
        if (value == 0 && digit == 0) {
            continue;  // leading zeros
        }
        if (++significantDigits > kMaxDigits) {
            return {EntryText::Kind::kWrong};
        }
        value = value * 10 + digit;
    }
    if (value < 1 || value > 31) {
        return {EntryText::Kind::kWrong};
    }
    return {EntryText::Kind::kNumber, value};
}

std::string StoredNumberText(const std::optional<long long>& value) {
    return value ? std::to_string(*value) : std::string();
}

}  // namespace pirumo
