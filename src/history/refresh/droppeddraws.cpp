#include "history/refresh/droppeddraws.h"

#include <algorithm>
#include <unordered_map>

namespace pirumo {

namespace {

bool HasAnyNumber(const Draw& draw) {
    return std::any_of(draw.numbers.begin(), draw.numbers.end(),
                       [](auto n) { return n != Draw::kEmptyField; });
}

std::string NumberText(int n) {
    if (n == Draw::kEmptyField) {
        return "－";
    }
    return n == Draw::kOtherValue ? "？" : std::to_string(n);
}

std::string NumbersText(const Draw& draw) {
    std::string text = NumberText(draw.Main(0));
    for (int i = 1; i < 5; ++i) {
        text += ' ';
        text += NumberText(draw.Main(i));
    }
    text += "　ボーナス数字 ";
    text += NumberText(draw.Bonus());
    return text;
}

}  // namespace

std::vector<DroppedDraw> FindDroppedDraws(const std::vector<Draw>& local,
                                          const std::vector<Draw>& downloaded) {
    std::unordered_map<int, const Draw*> byNumber;
    for (const Draw& d : downloaded) {
        byNumber.emplace(d.drawNumber, &d);
    }
    std::vector<DroppedDraw> dropped;
    for (const Draw& d : local) {
        if (!HasAnyNumber(d)) {
            continue;
        }
        const auto found = byNumber.find(d.drawNumber);
        if (found == byNumber.end()) {
            dropped.push_back({d, std::nullopt});
        } else if (found->second->numbers != d.numbers) {
            dropped.push_back({d, *found->second});
        }
    }
    return dropped;
}

std::string DescribeDroppedDraws(const std::vector<DroppedDraw>& dropped, std::size_t maxLines,
                                 const std::string& other) {
    std::string text;
    const std::size_t shown = std::min(dropped.size(), maxLines);
    for (std::size_t i = 0; i < shown; ++i) {
        const DroppedDraw& d = dropped[i];
        text += "第" + std::to_string(d.local.drawNumber) + "回　" + NumbersText(d.local) + "　（";
        text +=
            d.downloaded ? other + "では " + NumbersText(*d.downloaded) : other + "にありません";
        text += "）\n";
    }
    if (dropped.size() > shown) {
        text += "ほか " + std::to_string(dropped.size() - shown) + " 回分\n";
    }
    return text;
}

}  // namespace pirumo
