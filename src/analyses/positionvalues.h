#pragma once

#include <array>
#include <optional>
#include <vector>

#include "analyses/drawnnumbers.h"

namespace pirumo {

// What the interval and gap analyses give for a valid draw: a value beside each of its numbers.
struct PositionValueRow {
    DrawnNumbers draw;
    // Position of the draw among all rows of the history, invalid rows included, from 0: these
    // windows keep an empty line for an invalid row.
    int historyIndex = 0;
    // values[k] belongs to draw.numbers[k]; empty where the analysis has none for it.
    std::array<std::optional<int>, Draw::kFieldCount> values{};
};

struct PositionValueResult {
    int lastDrawNumber = 0;
    std::vector<PositionValueRow> rows;  // every valid draw, in 回数 order
};

}  // namespace pirumo
