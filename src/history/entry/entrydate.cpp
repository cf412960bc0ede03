#include "history/entry/entrydate.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>

namespace pirumo {

namespace {

// Full-width digits and the date words become ASCII; blanks go.
std::string Unified(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        // U+FF10..U+FF19 are EF BC 90..99.
        if (text.size() >= 3 && text.starts_with("\xEF\xBC") &&
            static_cast<unsigned char>(text[2]) >= 0x90 &&
            static_cast<unsigned char>(text[2]) <= 0x99) {
            out += static_cast<char>('0' + (static_cast<unsigned char>(text[2]) - 0x90));
            text.remove_prefix(3);
        } else if (text.starts_with("年") || text.starts_with("月")) {
            out += '/';
            text.remove_prefix(3);
        } else if (text.starts_with("日") || text.starts_with("\xE3\x80\x80")) {
            text.remove_prefix(3);
        } else {
            if (text.front() != ' ' && text.front() != '\t') {
                out += text.front() == '-' || text.front() == '.' ? '/' : text.front();
            }
            text.remove_prefix(1);
        }
    }
    return out;
}

std::optional<std::chrono::year_month_day> ToDate(std::string_view text) {
    std::array<int, 3> parts{};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            if (at == end || *at != '/') {
                return std::nullopt;
            }
            ++at;
        }
        const auto [next, error] = std::from_chars(at, end, parts[i]);
        if (error != std::errc() || next - at > (i == 0 ? 4 : 2)) {
            return std::nullopt;
        }
        at = next;
    }
    const std::chrono::year_month_day date{std::chrono::year(parts[0]),
                                           std::chrono::month(static_cast<unsigned>(parts[1])),
                                           std::chrono::day(static_cast<unsigned>(parts[2]))};
    if (at != end || parts[0] < 1000 || !date.ok()) {
        return std::nullopt;
    }
    return date;
}

std::string Text(const std::chrono::year_month_day& date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d/%02u/%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return buffer;
}

}  // namespace

std::optional<std::string> ParseEntryDate(std::string_view text) {
    const std::string unified = Unified(text);
    if (unified.empty()) {
        return std::string();
    }
    const auto date = ToDate(unified);
    if (!date) {
        return std::nullopt;
    }
    return Text(*date);
}

std::string OneWeekAfter(std::string_view date) {
    const auto day = ToDate(date);
    if (!day) {
        return {};
    }
    return Text(std::chrono::year_month_day(std::chrono::sys_days(*day) + std::chrono::days(7)));
}

}  // namespace pirumo
