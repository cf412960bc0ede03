#pragma once

#include <array>
#include <span>

namespace pirumo {

// The chance that at least one of the tickets wins 4等 or better (three or more of the five main
// numbers) in one draw: exact, the possible draws in which some ticket wins counted once each
// out of 169,911. Tickets must be five distinct numbers 1..31 each; an empty set has chance 0.
double ChanceOfFourthOrBetter(std::span<const std::array<int, 5>> tickets);

// The same for every combination of a pool of k distinct numbers (C(k,5) tickets, k = 5..31):
// some ticket has three matches exactly when the pool holds three or more of the five drawn,
// a hypergeometric tail.
double PoolChanceOfFourthOrBetter(int poolSize);

// C(n, k); 0 when k is out of 0..n.
long long Binomial(int n, int k);

}  // namespace pirumo
