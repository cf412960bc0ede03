#include "prediction/backtest/prizeclass.h"

#include <algorithm>

namespace pirumo {

bool IsTicket(std::span<const int> numbers) {
    if (numbers.size() != 5) {
        return false;
    }
    std::array<bool, 32> seen{};
    for (int n : numbers) {
        if (n < 1 || n > 31 || seen[static_cast<std::size_t>(n)]) {
            return false;
        }
        seen[static_cast<std::size_t>(n)] = true;
    }
    return true;
}

int CountMainMatches(std::span<const int> ticket, const Draw& draw) {
    int matches = 0;
    for (int n : ticket) {
        for (int i = 0; i < 5; ++i) {
            if (draw.Main(i) == n) {
                ++matches;
                break;
            }
        }
    }
    return matches;
}

PrizeClass ClassifyTicket(std::span<const int> ticket, const Draw& draw) {
    switch (CountMainMatches(ticket, draw)) {
        case 5:
            return kFirstPrize;
        case 4:
            return std::find(ticket.begin(), ticket.end(), draw.Bonus()) != ticket.end()
                       ? kSecondPrize
                       : kThirdPrize;
        case 3:
            return kFourthPrize;
        default:
            return kNoPrize;
    }
}

}  // namespace pirumo
