#include "prediction/money/winningchance.h"

#include <bit>
#include <cstdint>
#include <vector>

#include "history/draw.h"
#include "prediction/backtest/prizeclass.h"

namespace pirumo {

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
    std::vector<std::uint32_t> masks;
    for (const auto& ticket : tickets) {
        std::uint32_t mask = 0;
        for (int n : ticket) {
            mask |= 1u << n;
        }
        masks.push_back(mask);
    }
    if (masks.empty()) {
        return 0;
    }
    long long winning = 0;
    for (int a = kLowestNumber; a <= kHighestNumber; ++a) {
        for (int b = a + 1; b <= kHighestNumber; ++b) {
            for (int c = b + 1; c <= kHighestNumber; ++c) {
                for (int d = c + 1; d <= kHighestNumber; ++d) {
                    for (int e = d + 1; e <= kHighestNumber; ++e) {
                        const std::uint32_t drawn =
                            (1u << a) | (1u << b) | (1u << c) | (1u << d) | (1u << e);
                        for (const std::uint32_t mask : masks) {
                            if (std::popcount(drawn & mask) >= 3) {
                                ++winning;
                                break;
                            }
                        }
                    }
                }
            }
        }
    }
    return static_cast<double>(winning) / kCombinations;
}

double PoolChanceOfFourthOrBetter(int poolSize) {
    long long winning = 0;
    for (int inPool = 3; inPool <= 5; ++inPool) {
        winning += Binomial(poolSize, inPool) * Binomial(kHighestNumber - poolSize, 5 - inPool);
    }
    return static_cast<double>(winning) / kCombinations;
}

}  // namespace pirumo
