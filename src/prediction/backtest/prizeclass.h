#pragma once

#include <array>
#include <span>
#include <string_view>

#include "history/draw.h"

namespace pirumo {

// The four prize classes of one ticket of five numbers; kNoPrize when it wins nothing.
enum PrizeClass : int { kFirstPrize = 0, kSecondPrize, kThirdPrize, kFourthPrize, kNoPrize };
inline constexpr int kPrizeClassCount = 4;
inline constexpr std::array<std::string_view, kPrizeClassCount> kPrizeClassNames{"1等", "2等",
                                                                                 "3等", "4等"};

// Every ticket has the same chance in every draw: of the C(31,5) = 169,911 combinations, these
// many win each class (5 of 5; 4 and the bonus; 4 of the other 25; 3 of 5 with 2 of 26).
inline constexpr int kCombinations = 169911;
inline constexpr std::array<int, kPrizeClassCount> kWinningCombinations{1, 5, 125, 3250};

inline double PrizeProbability(int prizeClass) {
    return static_cast<double>(kWinningCombinations[static_cast<std::size_t>(prizeClass)]) /
           kCombinations;
}

// True for five distinct numbers from 1 to 31; anything else is not a ticket.
bool IsTicket(std::span<const int> numbers);

// How many of the ticket's numbers are among the draw's five main numbers.
int CountMainMatches(std::span<const int> ticket, const Draw& draw);

// The class the ticket wins in the draw (a valid draw; the ticket as IsTicket accepts it).
PrizeClass ClassifyTicket(std::span<const int> ticket, const Draw& draw);

}  // namespace pirumo
