#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "history/drawprizes.h"

namespace pirumo {

// The numbers a draw picks from, and the names of a draw's six number fields as the history file,
// CSV headers and Access tables spell them.
inline constexpr int kLowestNumber = 1;
inline constexpr int kHighestNumber = 31;
inline constexpr int kMaxDrawNumber = 32767;
inline constexpr std::array<const char*, 6> kNumberFieldNames = {
    "第1数字", "第2数字", "第3数字", "第4数字", "第5数字", "ボーナス数字"};

// The same names as grid headers show them: the bonus shortened, so that it fits its column.
inline constexpr std::array<const char*, 6> kNumberFieldTitles = {"第1数字", "第2数字", "第3数字",
                                                                  "第4数字", "第5数字", "ボ数字"};

constexpr bool IsLotteryNumber(int n) {
    return n >= kLowestNumber && n <= kHighestNumber;
}

// One row of the draw history. Number fields hold 1..31 for a real number; kEmptyField marks a
// NULL or empty field and kOtherValue any other stored value (text, fraction, out of range).
struct Draw {
    static constexpr std::int16_t kEmptyField = 0;
    static constexpr std::int16_t kOtherValue = -1;
    static constexpr int kFieldCount = static_cast<int>(kNumberFieldNames.size());
    static constexpr int kBonusIndex = 5;

    int drawNumber = 0;  // 回数
    // numbers[0..4] = 第1数字..第5数字 in stored field order, numbers[5] = ボーナス数字.
    std::array<std::int16_t, kFieldCount> numbers{};
    std::string date;                    // 開催日 "YYYY/MM/DD", empty when unknown
    std::optional<DrawPrizes> prizes{};  // the published winners and amounts, when known

    int Main(int i) const { return numbers[static_cast<std::size_t>(i)]; }  // i = 0..4
    int Bonus() const { return numbers[kBonusIndex]; }

    friend bool operator==(const Draw&, const Draw&) = default;
};

// A row counts only when all six number fields hold an integer from 1 to 31.
inline bool IsValidDraw(const Draw& draw) {
    for (auto n : draw.numbers) {
        if (!IsLotteryNumber(n)) {
            return false;
        }
    }
    return true;
}

// True when some number field holds a value that is neither empty nor 1..31.
inline bool HasOtherValue(const Draw& draw) {
    for (auto n : draw.numbers) {
        if (n == Draw::kOtherValue) {
            return true;
        }
    }
    return false;
}

}  // namespace pirumo
