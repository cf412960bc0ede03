#include "history/entry/entrydate.h"

#include <chrono>
#include <cstdio>
#include <optional>

#include "history/drawfields.h"

namespace pirumo {

std::string OneWeekAfter(std::string_view date) {
    const std::optional<std::string> text = ReadDateText(date);
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    if (!text || std::sscanf(text->c_str(), "%d/%u/%u", &year, &month, &day) != 3) {
        return {};
    }
    const std::chrono::year_month_day next(
        std::chrono::sys_days(std::chrono::year_month_day(
            std::chrono::year(year), std::chrono::month(month), std::chrono::day(day))) +
        std::chrono::days(7));
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d/%02u/%02u", static_cast<int>(next.year()),
                  static_cast<unsigned>(next.month()), static_cast<unsigned>(next.day()));
    return buffer;
}

}  // namespace pirumo
