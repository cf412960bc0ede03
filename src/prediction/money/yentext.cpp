#include "prediction/money/yentext.h"

#include <cmath>

namespace pirumo {

std::string GroupedDigits(std::int64_t value) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}

std::string YenText(std::int64_t yen) {
    return GroupedDigits(yen) + "円";
}

std::string ReturnRateText(double won, std::int64_t spent) {
    if (spent <= 0) {
        return "―";
    }
    const long long tenths = std::llround(1000.0 * won / static_cast<double>(spent));
    return GroupedDigits(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}

}  // namespace pirumo
