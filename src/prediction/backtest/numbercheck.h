#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "history/drawhistory.h"
#include "prediction/backtest/prizeclass.h"

namespace pirumo {

// A refusal of the numbers to check, with a Japanese message.
class NumberCheckError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Five distinct whole numbers from 1 to 31 (blanks around them and full-width digits accepted).
// Throws NumberCheckError naming what is wrong.
std::array<int, 5> ParseCheckNumbers(const std::vector<std::string>& texts);

struct WinningDraw {
    int drawNumber = 0;
    std::string date;
};

// What the five numbers would have won in every valid draw of the history.
struct NumberCheckResult {
    std::array<int, 5> numbers{};  // ascending
    int draws = 0;                 // valid draws compared
    std::array<std::vector<WinningDraw>, kPrizeClassCount> wins;
};

NumberCheckResult CheckNumbers(const DrawHistory& history, const std::array<int, 5>& numbers);

}  // namespace pirumo
