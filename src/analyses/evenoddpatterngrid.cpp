#include "analyses/evenoddpatterngrid.h"

#include "analyses/analysiscolours.h"
#include "analyses/combinationpatterngrid.h"

namespace pirumo {

// Odd number cells are painted white; the bonus is left unmarked.
void FillEvenOddPatternGrid(const CombinationPatternResult& result, ResultGrid& grid) {
    FillCombinationPatternGrid(result,
                               {
                                   .mainHeader = "          本 数 字      ",
                                   .firstTitle = "偶数",
                                   .secondTitle = "奇数",
                                   .secondClassBack = kWhite,
                                   .marksBonus = false,
                               },
                               grid);
}

}  // namespace pirumo
