#include "analyses/chance/chancewords.h"

#include <cmath>
#include <cstdio>

namespace pirumo {

std::string ChanceNumber(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string number = text;
    if (number.find('.') != std::string::npos) {
        number.erase(number.find_last_not_of('0') + 1);
        if (number.back() == '.') {
            number.pop_back();
        }
    }
    return number == "-0" ? "0" : number;
}

std::string PValueInWords(double pValue) {
    const std::string percent = ChanceNumber(pValue * 100, pValue < 0.01 ? 2 : 1);
    if (pValue < 0.001) {
        return "偶然とは考えにくい偏りです（公平な抽せんで出る確率は 0.1 % 未満）。";
    }
    if (pValue < 0.01) {
        return "偶然では起こりにくい偏りです（公平な抽せんで出る確率は " + percent + " %）。";
    }
    if (pValue < 0.05) {
        return "やや偏っています。ただし公平な抽せんでも " + percent + " % の確率で出る偏りです。";
    }
    return "偶然の範囲内です。公平な抽せんでもこれ以上の偏りが " + percent + " % の確率で出ます。";
}

std::string ChanceOutsideLine(const ChanceReport& report) {
    int figures = 0;
    for (const ChanceTable& table : report.tables) {
        figures += static_cast<int>(table.figures.size());
    }
    return "範囲外は " + std::to_string(figures) + " 項目中 " +
           std::to_string(report.OutsideCount()) + " 項目（偶然だけでも平均 " +
           ChanceNumber(report.expectedOutside) + " 項目）。";
}

std::string ChanceReminder() {
    return "31 個の数字を比べれば、偶然だけでも 1 つか 2 つは 95 % の範囲の外に出ます。";
}

}  // namespace pirumo
