#pragma once

#include "analyses/chance/chancereport.h"
#include "analyses/fourgroup.h"
#include "analyses/groupdata.h"
#include "analyses/lastdigit.h"

namespace pirumo {

// The windows that sort a draw's six numbers (bonus included) into groups or last digits: for
// each group, how many draws had 0, 1, 2, … of their numbers in it, against the hypergeometric
// chance, and one chi-square test of the groups' totals.
ChanceReport CompareFourGroup(const FourGroupResult& result, int draws);
ChanceReport CompareGroupData(const GroupDataResult& result, int draws);
ChanceReport CompareLastDigit(const LastDigitResult& result, int draws);

// How many last digits go on from the previous draw, against a long fair history simulated with
// a fixed seed.
ChanceReport CompareLastDigitRun(const LastDigitResult& result, int draws);

}  // namespace pirumo
