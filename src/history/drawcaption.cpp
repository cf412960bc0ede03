#include "history/drawcaption.h"

namespace pirumo {

std::string DrawCaption(const Draw& draw) {
    std::string caption = "第" + std::to_string(draw.drawNumber) + "回";
    if (!draw.date.empty()) {
        caption += "（" + draw.date + "）";
    }
    return caption;
}

}  // namespace pirumo
