#include "print/chanceprint.h"

#include "analyses/chance/chancegrid.h"

namespace pirumo {

PrintBlock ChancePrintBlock(const ResultGrid& chanceGrid) {
    return {{{QStringLiteral("偶然との比較"), true}}, &chanceGrid, kChanceGridHeadingRows};
}

}  // namespace pirumo
