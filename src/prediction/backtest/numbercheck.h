#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "history/drawhistory.h"
#include "prediction/backtest/prizeclass.h"
#include "prediction/money/randomtickets.h"

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
    std::optional<std::int64_t> amount;  // the draw's prize for the class, when published
};

// What the five numbers would have won in every valid draw of the history, and in yen had they
// been bought once at each of them.
struct NumberCheckResult {
    std::array<int, 5> numbers{};  // ascending
    int draws = 0;                 // valid draws compared
    std::array<std::vector<WinningDraw>, kPrizeClassCount> wins;
    std::array<std::int64_t, kPrizeClassCount> won{};  // yen per class, draws with prize data
    // One ticket a draw: spent, the draws the yen cover and what a random ticket would bring.
    RandomTicketWinnings random;

    std::int64_t Won() const;
};

NumberCheckResult CheckNumbers(const DrawHistory& history, const std::array<int, 5>& numbers);

}  // namespace pirumo
