#include "base/readablemessage.h"

#include <cstdio>
#include <vector>

namespace pirumo {

namespace {

constexpr char32_t kOpenQuote = U'「';
constexpr char32_t kCloseQuote = U'」';

// A code point, or a byte that starts no valid UTF-8 sequence (kind kByte).
struct Unit {
    enum class Kind { kCharacter, kByte } kind;
    char32_t value;
};

std::vector<Unit> Decode(std::string_view text) {
    std::vector<Unit> units;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        char32_t value = length == 1 ? lead : length == 2 ? lead & 0x1F : lead & (0x7F >> length);
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            value = (value << 6) | (next & 0x3F);
        }
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && value >= kSmallest[length] && value <= 0x10FFFF &&
                !(value >= 0xD800 && value <= 0xDFFF);
        if (valid) {
            units.push_back({Unit::Kind::kCharacter, value});
            i += length;
        } else {
            units.push_back({Unit::Kind::kByte, lead});
            ++i;
        }
    }
    return units;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsInvisibleMark(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) || c == 0xFEFF;
}

void AppendVisible(std::string& out, const Unit& unit) {
    char buffer[16];
    if (unit.kind == Unit::Kind::kByte) {
        std::snprintf(buffer, sizeof buffer, "\\x%02X", static_cast<unsigned>(unit.value));
        out += buffer;
    } else if (unit.value == U'\n') {
        out += '\n';
    } else if (unit.value < 0x20) {
        AppendUtf8(out, 0x2400 + unit.value);
    } else if (unit.value == 0x7F) {
        AppendUtf8(out, 0x2421);
    } else if (unit.value == 0xFEFF) {
        out += "<BOM>";
    } else if (IsInvisibleMark(unit.value)) {
        std::snprintf(buffer, sizeof buffer, "<U+%04X>", static_cast<unsigned>(unit.value));
        out += buffer;
    } else {
        AppendUtf8(out, unit.value);
    }
}

bool Is(const Unit& unit, char32_t c) {
    return unit.kind == Unit::Kind::kCharacter && unit.value == c;
}

// The index of the quote that closes the one opened before `from`, or units.size().
std::size_t ClosingQuote(const std::vector<Unit>& units, std::size_t from) {
    int depth = 1;
    for (std::size_t i = from; i < units.size(); ++i) {
        if (Is(units[i], kOpenQuote)) {
            ++depth;
        } else if (Is(units[i], kCloseQuote) && --depth == 0) {
            return i;
        }
    }
    return units.size();
}

}  // namespace

std::string ReadableMessage(std::string_view message) {
    const std::vector<Unit> units = Decode(message);
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        AppendVisible(out, units[i]);
        if (!Is(units[i], kOpenQuote)) {
            continue;
        }
        const std::size_t close = ClosingQuote(units, i + 1);
        const std::size_t length = close - (i + 1);
        // The head of a value and the tail of a path say the most.
        const std::size_t head =
            length > kMaxQuotedCharacters ? kMaxQuotedCharacters * 3 / 4 - 1 : length;
        const std::size_t tail =
            length > kMaxQuotedCharacters ? kMaxQuotedCharacters - head - 1 : 0;
        for (std::size_t k = i + 1; k < i + 1 + head; ++k) {
            AppendVisible(out, units[k]);
        }
        if (tail > 0) {
            out += "…";
            for (std::size_t k = close - tail; k < close; ++k) {
                AppendVisible(out, units[k]);
            }
        }
        if (close < units.size()) {
            AppendUtf8(out, kCloseQuote);
        }
        if (tail > 0) {
            out += "（" + std::to_string(length) + "文字）";
        }
        i = close;
    }
    return out;
}

}  // namespace pirumo
