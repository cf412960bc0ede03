#pragma once

#include <array>

#include "history/draw.h"

namespace pirumo {

// A value for each number, indexed by the number itself (1..31); index 0 is unused, as in
// DrawHistory::NumberCounts().
template <typename T>
using PerNumber = std::array<T, kHighestNumber + 1>;

// A valid draw as the per-draw rows of an analysis result carry it: its 回数 and its six numbers,
// numbers[0..4] the main numbers in field order and numbers[5] the bonus number.
struct DrawnNumbers {
    int drawNumber = 0;
    std::array<int, Draw::kFieldCount> numbers{};

    int Main(int i) const { return numbers[static_cast<std::size_t>(i)]; }  // i = 0..4
    int Bonus() const { return numbers[Draw::kBonusIndex]; }

    friend bool operator==(const DrawnNumbers&, const DrawnNumbers&) = default;
};

inline DrawnNumbers DrawnNumbersOf(const Draw& draw) {
    DrawnNumbers drawn;
    drawn.drawNumber = draw.drawNumber;
    for (std::size_t i = 0; i < drawn.numbers.size(); ++i) {
        drawn.numbers[i] = draw.numbers[i];
    }
    return drawn;
}

}  // namespace pirumo
