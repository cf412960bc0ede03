#include "prediction/money/winningchance.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "history/draw.h"
#include "prediction/backtest/prizeclass.h"

namespace pirumo {

namespace {

// The place of five ascending numbers 1..31 among all 169,911 combinations (0-based, colex).
long long CombinationRank(const std::array<int, 5>& ascending) {
    long long rank = 0;
    for (int i = 0; i < 5; ++i) {
        rank += Binomial(ascending[static_cast<std::size_t>(i)] - 1, i + 1);
    }
    return rank;
}

}  // namespace

long long Binomial(int n, int k) {
    if (k < 0 || k > n) {
        return 0;
    }
    long long value = 1;
    for (int i = 1; i <= k; ++i) {
        value = value * (n - k + i) / i;
    }
    return value;
}

double ChanceOfFourthOrBetter(std::span<const std::array<int, 5>> tickets) {
    // Each ticket wins in 3,381 of the possible draws: three to five of its numbers with the
    // rest from the 26 others. Marking those draws by their rank counts each draw once, however
    // many tickets win in it, without trying every ticket on every draw.
    std::vector<bool> winning(kCombinations);
    long long count = 0;
    for (const auto& ticket : tickets) {
        std::array<bool, kHighestNumber + 1> inTicket{};
        for (int n : ticket) {
            inTicket[static_cast<std::size_t>(n)] = true;
        }
        std::vector<int> others;
        for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
            if (!inTicket[static_cast<std::size_t>(n)]) {
                others.push_back(n);
            }
        }
        // Every draw holding at least three of the ticket's numbers: which of them (a bit per
        // number of the ticket), then the other numbers in ascending order.
        for (int chosen = 0; chosen < 32; ++chosen) {
            const int held = std::popcount(static_cast<unsigned>(chosen));
            if (held < 3) {
                continue;
            }
            std::array<int, 5> drawn{};
            int size = 0;
            for (int i = 0; i < 5; ++i) {
                if ((chosen >> i) & 1) {
                    drawn[static_cast<std::size_t>(size++)] = ticket[static_cast<std::size_t>(i)];
                }
            }
            const auto mark = [&](std::array<int, 5> numbers) {
                std::sort(numbers.begin(), numbers.end());
                const auto rank = static_cast<std::size_t>(CombinationRank(numbers));
                if (!winning[rank]) {
                    winning[rank] = true;
                    ++count;
                }
            };
            const auto first = static_cast<std::size_t>(held);
            const std::size_t others26 = others.size();
            if (held == 5) {
                mark(drawn);
            } else if (held == 4) {
                for (std::size_t a = 0; a < others26; ++a) {
                    drawn[first] = others[a];
                    mark(drawn);
                }
            } else {
                for (std::size_t a = 0; a < others26; ++a) {
                    for (std::size_t b = a + 1; b < others26; ++b) {
                        drawn[first] = others[a];
                        drawn[first + 1] = others[b];
                        mark(drawn);
                    }
                }
            }
        }
    }
    return static_cast<double>(count) / kCombinations;
}

double PoolChanceOfFourthOrBetter(int poolSize) {
    long long winning = 0;
    for (int inPool = 3; inPool <= 5; ++inPool) {
        winning += Binomial(poolSize, inPool) * Binomial(kHighestNumber - poolSize, 5 - inPool);
    }
    return static_cast<double>(winning) / kCombinations;
}

}  // namespace pirumo
