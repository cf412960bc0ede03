#include "history/import/nontextfile.h"

#include <algorithm>
#include <bitset>

#include "base/japanesetext.h"

namespace pirumo {

namespace {

constexpr std::string_view kSqliteSignature{"SQLite format 3\0", 16};

// A CSV may hold a NUL in a field further down, which its row reports; a first line with one,
// or bytes that are no text at all, are binary data.
bool IsBinary(std::string_view bytes) {
    const std::string_view firstLine = bytes.substr(0, bytes.find_first_of("\r\n"));
    return firstLine.find('\0') != std::string_view::npos || !DecodeJapaneseText(bytes);
}

// Encrypted or compressed bytes use nearly every byte value even in a short stretch; text and
// most binary formats do not.
bool LooksRandom(std::string_view bytes) {
    constexpr std::size_t kSample = 4096;
    if (bytes.size() < 1024) {
        return false;
    }
    std::bitset<256> seen;
    for (const char c : bytes.substr(0, std::min(bytes.size(), kSample))) {
        seen.set(static_cast<unsigned char>(c));
    }
    return seen.count() >= 200;
}

}  // namespace

std::optional<std::string> DescribeNonTextFile(std::string_view bytes) {
    if (bytes.starts_with(kSqliteSignature)) {
        return "は暗号化されていないSQLiteのデータベースで、ピルモの当選データファイルではありませ"
               "ん。";
    }
    if (!IsBinary(bytes)) {
        return std::nullopt;
    }
    if (LooksRandom(bytes)) {
        return "は暗号化か圧縮されたデータですが、ピルモの当選データファイルとして開けません。"
               "壊れているか途中で切れた当選データファイルか、別のプログラムのファイルです。";
    }
    return "は文字のファイルではありません（CSVファイル、当選データファイル、Accessファイルの"
           "どれでもありません）。";
}

}  // namespace pirumo
