#include "prediction/tickets/yen.h"

namespace pirumo {

std::string GroupDigits(std::int64_t value) {
    const bool negative = value < 0;
    // Unsigned, so that the most negative value has a magnitude too.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    const std::string digits = std::to_string(magnitude);
    std::string grouped = negative ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string FormatYen(std::int64_t yen) {
    return GroupDigits(yen) + "円";
}

}  // namespace pirumo
