#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "history/draw.h"

namespace pirumo {

// The six numbers of every stored draw by draw number; positions 1..5 are 第1数字..第5数字 and
// position 6 is ボーナス数字. Draw numbers without a stored draw (missing, skipped, before draw 1
// or past the newest) read as 0. Sized from the history, not from a fixed limit.
class NumbersByDraw {
public:
    static constexpr int kPositions = 6;

    int At(int drawNumber, int position) const {
        if (drawNumber < 1 || drawNumber >= static_cast<int>(mDraws.size())) {
            return 0;
        }
        return mDraws[static_cast<std::size_t>(drawNumber)][static_cast<std::size_t>(position - 1)];
    }

    bool Holds(int drawNumber, int number) const;

    // Stores the draw's numbers at its draw number, growing the table as needed (drawNumber >= 1).
    void Store(const Draw& draw);

private:
    std::vector<std::array<std::int16_t, kPositions>> mDraws;
};

}  // namespace pirumo
