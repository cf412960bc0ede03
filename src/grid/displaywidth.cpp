#include "grid/displaywidth.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace pirumo {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// East Asian Wide (W) and Fullwidth (F) blocks, coarse but covering Japanese text completely.
constexpr std::array<Range, 16> kWideRanges{{
    {0x1100, 0x115F},    // Hangul Jamo initials
    {0x2E80, 0x303E},    // CJK radicals, punctuation, ideographic space
    {0x3041, 0x33FF},    // kana, CJK symbols
    {0x3400, 0x4DBF},    // CJK extension A
    {0x4E00, 0x9FFF},    // CJK unified ideographs
    {0xA000, 0xA4CF},    // Yi
    {0xAC00, 0xD7A3},    // Hangul syllables
    {0xF900, 0xFAFF},    // CJK compatibility ideographs
    {0xFE10, 0xFE19},    // vertical forms
    {0xFE30, 0xFE6F},    // CJK compatibility forms, small forms
    {0xFF00, 0xFF60},    // full-width forms
    {0xFFE0, 0xFFE6},    // full-width signs
    {0x1F300, 0x1F64F},  // pictographs, emoticons
    {0x1F900, 0x1F9FF},  // supplemental pictographs
    {0x20000, 0x2FFFD},  // CJK extensions B..
    {0x30000, 0x3FFFD},
}};

bool IsWide(char32_t c) {
    return std::any_of(kWideRanges.begin(), kWideRanges.end(),
                       [c](const Range& r) { return c >= r.first && c <= r.last; });
}

// Length of the UTF-8 sequence led by `lead`, or 0 when it cannot lead one.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 0;
}

}  // namespace

int DisplayWidth(std::string_view text) {
    int width = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = SequenceLength(lead);
        if (length <= 1 || i + static_cast<std::size_t>(length) > text.size()) {
            ++width;
            ++i;
            continue;
        }
        char32_t c = lead & (0x7F >> length);
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            valid = valid && (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid) {
            ++width;
            ++i;
            continue;
        }
        width += IsWide(c) ? 2 : 1;
        i += static_cast<std::size_t>(length);
    }
    return width;
}

}  // namespace pirumo
