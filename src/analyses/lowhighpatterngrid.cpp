#include "analyses/lowhighpatterngrid.h"

#include "analyses/combinationpatterngrid.h"

namespace pirumo {

// High numbers keep their cell's colour; a low bonus is marked like a low main number.
void FillLowHighPatternGrid(const CombinationPatternResult& result, ResultGrid& grid) {
    FillCombinationPatternGrid(result,
                               {
                                   .mainHeader = "          本 数 字",
                                   .firstTitle = "低数字",
                                   .secondTitle = "高数字",
                                   .secondClassBack = std::nullopt,
                                   .marksBonus = true,
                               },
                               grid);
}

}  // namespace pirumo
