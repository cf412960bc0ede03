#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace pirumo {

// One row of the draw history. Number fields hold 1..31 for a real number; kEmptyField marks a
// NULL or empty field and kOtherValue any other stored value (text, fraction, out of range).
struct Draw {
    static constexpr std::int16_t kEmptyField = 0;
    static constexpr std::int16_t kOtherValue = -1;
    static constexpr int kFieldCount = 6;  // 第1数字..第5数字, ボーナス数字
    static constexpr int kBonusIndex = 5;

    int drawNumber = 0;  // 回数
    // numbers[0..4] = 第1数字..第5数字 in stored field order, numbers[5] = ボーナス数字.
    std::array<std::int16_t, kFieldCount> numbers{};
    std::string date;  // 開催日 "YYYY/MM/DD", empty when unknown

    int Main(int i) const { return numbers[static_cast<std::size_t>(i)]; }  // i = 0..4
    int Bonus() const { return numbers[kBonusIndex]; }

    friend bool operator==(const Draw&, const Draw&) = default;
};

// A row counts only when all six number fields hold an integer from 1 to 31.
inline bool IsValidDraw(const Draw& draw) {
    for (auto n : draw.numbers) {
        if (n < 1 || n > 31) {
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
