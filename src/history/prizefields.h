#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/draw.h"
#include "history/drawprizes.h"

namespace pirumo {

// A draw's prize columns as the published results, CSV files and the history file name them:
// 1等口数, 1等賞金, 2等口数, 2等賞金 … 4等賞金 (winners, then yen per winning ticket).
inline constexpr int kPrizeColumnCount = 2 * DrawPrizes::kClassCount;
inline constexpr std::array<const char*, kPrizeColumnCount> kPrizeColumnNames = {
    "1等口数", "1等賞金", "2等口数", "2等賞金", "3等口数", "3等賞金", "4等口数", "4等賞金"};

// The largest count or amount accepted: far above any real one, and small enough that sums over
// every draw stay exact in 64 bits.
inline constexpr std::int64_t kMaxPrizeValue = 999'999'999'999;

// Winners (column 2c) or amount (column 2c + 1) of prize class c.
inline std::int64_t PrizeColumnValue(const DrawPrizes& prizes, int column) {
    const auto c = static_cast<std::size_t>(column / 2);
    return column % 2 == 0 ? prizes.winners[c] : prizes.amount[c];
}
inline void SetPrizeColumnValue(DrawPrizes& prizes, int column, std::int64_t value) {
    const auto c = static_cast<std::size_t>(column / 2);
    (column % 2 == 0 ? prizes.winners[c] : prizes.amount[c]) = value;
}

// One count or amount as a file spells it: digits (half- or full-width), perhaps grouped with
// commas and followed by 口 or 円, blanks around it trimmed. Empty text and anything else give
// nullopt; `empty` tells the two apart.
std::optional<std::int64_t> ReadPrizeText(std::string_view text, bool* empty = nullptr);

// A draw's prize columns: all empty is "no prize data" (nullopt); all filled are read as above.
// Some filled and some empty, or a value that is not a count, throws HistoryError naming `where`
// (such as "3行目"), the draw, the column and its text.
std::optional<DrawPrizes> ReadPrizeTexts(const std::array<std::string, kPrizeColumnCount>& texts,
                                         const std::string& where, int drawNumber);

// Prize data the history already holds, carried into draws that replace it: an incoming draw
// without prizes takes those of the current draw with the same 回数 when both have the same six
// numbers (a draw whose numbers were corrected may have been paid otherwise, so it takes none).
void KeepStoredPrizes(const std::vector<Draw>& current, std::vector<Draw>& incoming);

// How many rows carry prize data.
int CountDrawsWithPrizes(const std::vector<Draw>& rows);

}  // namespace pirumo
