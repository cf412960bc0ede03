#pragma once

#include <cstdint>
#include <vector>

#include "history/drawprizes.h"

namespace pirumo {

// What the same number of tickets bought at random would have won: the mean, exact from the
// class probabilities and the draw's prizes, and the range holding 95 % of outcomes, taken from
// a simulation with a fixed seed so that every run prints the same figures.
struct RandomWinnings {
    double mean = 0;
    std::int64_t low = 0;
    std::int64_t high = 0;
};

struct TicketsAtDraw {
    int tickets = 0;
    DrawPrizes prizes;
};

struct RandomWinningsSeries {
    std::vector<RandomWinnings> perDraw;     // each draw alone
    std::vector<RandomWinnings> cumulative;  // the draws so far together
};

RandomWinningsSeries SimulateRandomWinnings(const std::vector<TicketsAtDraw>& draws);

}  // namespace pirumo
