#include "history/drawcalendar.h"

#include "history/drawcaption.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace pirumo {

namespace {

std::string DateText(std::chrono::sys_days day) {
    const std::chrono::year_month_day date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02u/%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

}  // namespace

const Draw* NewestDraw(const std::vector<Draw>& rows) {
    const Draw* newest = nullptr;
    for (const Draw& draw : rows) {
        if (IsValidDraw(draw) && (newest == nullptr || draw.drawNumber > newest->drawNumber)) {
            newest = &draw;
        }
    }
    return newest;
}

std::string NewestDrawText(const DrawHistory& history) {
    const Draw* newest = NewestDraw(history);
    if (newest == nullptr) {
        return "当選データがありません";
    }
    return "最新 " + DrawCaption(*newest);
}

NextDraw NextDrawOf(const DrawHistory& history) {
    const Draw* newest = NewestDraw(history);
    if (newest == nullptr) {
        return {};
    }
    NextDraw next{.drawNumber = newest->drawNumber + 1, .date = {}};
    if (const auto date = ParseDrawDate(newest->date)) {
        next.date = DateText(*date + std::chrono::days(kDaysBetweenDraws));
    }
    return next;
}

std::string NextDrawText(const NextDraw& next) {
    return DrawCaption(next.drawNumber, next.date);
}

std::optional<std::chrono::sys_days> ParseDrawDate(const std::string& text) {
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    char end = 0;
    if (text.size() != 10 ||
        std::sscanf(text.c_str(), "%4d/%2u/%2u%c", &year, &month, &day, &end) != 3) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(month),
                                           std::chrono::day(day)};
    if (!date.ok()) {
        return std::nullopt;
    }
    return std::chrono::sys_days(date);
}

std::chrono::sys_days Today() {
    if (const char* fixed = std::getenv("PIRUMO_TODAY")) {
        if (const auto day = ParseDrawDate(fixed)) {
            return *day;
        }
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::sys_days(std::chrono::year_month_day(
        std::chrono::year(local.tm_year + 1900), std::chrono::month(local.tm_mon + 1),
        std::chrono::day(local.tm_mday)));
}

std::string OutOfDateNote(const DrawHistory& history, std::chrono::sys_days today) {
    const Draw* newest = NewestDraw(history);
    if (newest == nullptr) {
        return {};
    }
    const auto date = ParseDrawDate(newest->date);
    if (!date) {
        return {};
    }
    const auto days = (today - *date).count();
    if (days <= kOutOfDateAfterDays) {
        return {};
    }
    return "当選データが古くなっています：" + NewestDrawText(history) + "は " +
           std::to_string(days) + " 日前です。最新化すると新しい回が加わります。";
}

}  // namespace pirumo
