#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "history/drawhistory.h"

namespace pirumo {

// The low/high and even/odd windows split numbers into two classes and name each draw by how
// its five main numbers fall: one of six patterns, index 0..5, shown as these letters.
inline constexpr std::array<const char*, 6> kCombinationPatternLetters = {"A", "B", "C",
                                                                          "D", "E", "F"};

// How a window splits the numbers.
struct NumberClasses {
    bool (*inFirstClass)(int number) = nullptr;
    bool patternFromSecond = false;  // pattern index = second-class count, else first-class
};

struct CombinationPatternRow {
    int drawNumber = 0;
    std::array<std::int16_t, Draw::kFieldCount> numbers{};  // as Draw::numbers, bonus last
    std::array<bool, Draw::kFieldCount> inFirstClass{};     // per number, the bonus too
    int firstCount = 0;                                     // main numbers of the first class
    int secondCount = 0;                                    // main numbers of the second class
    int pattern = 0;                                        // index into kCombinationPatternLetters
};

struct CombinationPatternResult {
    int lastDrawNumber = 0;
    std::vector<CombinationPatternRow> draws;  // every valid draw, in history order
    std::array<int, 6> drawsByPattern{};       // how many draws fell into each pattern
};

CombinationPatternResult AnalyseCombinationPattern(const DrawHistory& history,
                                                   const NumberClasses& classes);

}  // namespace pirumo
