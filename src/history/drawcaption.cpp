#include "history/drawcaption.h"

namespace pirumo {

std::string DrawCaption(int drawNumber, const std::string& date) {
    std::string caption = "第" + std::to_string(drawNumber) + "回";
    if (!date.empty()) {
        caption += "（" + date + "）";
    }
    return caption;
}

std::string DrawCaption(const Draw& draw) {
    return DrawCaption(draw.drawNumber, draw.date);
}

}  // namespace pirumo
