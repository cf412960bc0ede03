#pragma once

#include <array>
#include <boost/random/mersenne_twister.hpp>
#include <cstdint>
#include <vector>

#include "analyses/chance/chancemodel.h"
#include "history/drawhistory.h"

namespace pirumo {

// What one fair draw gives, exactly, from all C(31, 5) = 169,911 choices of the main numbers in
// ascending order (and, for the total with the bonus, each of the 26 bonus numbers left).
struct FairDrawDistributions {
    std::vector<double> mainSum;   // [s]: P(the five main numbers add up to s)
    std::vector<double> totalSum;  // [s]: P(the main numbers and the bonus add up to s)
    std::vector<double> span;      // [d]: P(largest − smallest main number = d)
    std::array<double, kChanceMainPicks> consecutivePairs{};  // [k]: k pairs n, n + 1
    std::array<double, kChanceMainPicks> skipOnePairs{};      // [k]: k pairs n, n + 2
    // [i][n]: P(the (i + 1)-th smallest main number is n), n = 1..31.
    std::array<std::array<double, kChancePool + 1>, kChanceMainPicks> position{};
    int combinations = 0;  // of the main numbers: 169,911
};

// Enumerated on first use, then kept.
const FairDrawDistributions& FairDraws();

// P(k of a class of `classSize` numbers among `picks` numbers drawn fairly from the 31).
double ClassCountProbability(int classSize, int picks, int k);

// Fair draws one after another, the same for the same seed on every platform.
class FairDrawSource {
public:
    explicit FairDrawSource(std::uint32_t seed) : mEngine(seed) {}
    // Five main numbers ascending, then the bonus.
    std::array<std::int16_t, kChanceAllPicks> Next();

private:
    boost::random::mt19937 mEngine;
};

// A history of `count` fair draws numbered 1..count from FairDrawSource(seed).
DrawHistory SimulateFairHistory(int count, std::uint32_t seed);

}  // namespace pirumo
