#include "prediction/numbersbydraw.h"

#include <algorithm>

namespace pirumo {

bool NumbersByDraw::Holds(int drawNumber, int number) const {
    if (drawNumber < 1 || drawNumber >= static_cast<int>(mDraws.size())) {
        return false;
    }
    const auto& numbers = mDraws[static_cast<std::size_t>(drawNumber)];
    return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

void NumbersByDraw::Store(const Draw& draw) {
    const auto index = static_cast<std::size_t>(draw.drawNumber);
    if (index >= mDraws.size()) {
        mDraws.resize(index + 1);
    }
    mDraws[index] = draw.numbers;
}

}  // namespace pirumo
