#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "history/drawhistory.h"

namespace pirumo {

// Draws are weekly: the next one is expected seven days after the newest, and a history whose
// newest draw is more than eight days old is missing at least one.
inline constexpr int kDaysBetweenDraws = 7;
inline constexpr int kOutOfDateAfterDays = 8;

// The valid draw with the highest number, in rows of any order, or nullptr when there is none.
const Draw* NewestDraw(const std::vector<Draw>& rows);
inline const Draw* NewestDraw(const DrawHistory& history) {
    return NewestDraw(history.Rows());
}

// 「最新 第1353回（2025/09/23）」; 「最新 第1353回」 without a date; 「当選データがありません」
// with no valid draw.
std::string NewestDrawText(const DrawHistory& history);

// The draw a prediction from this history is for.
struct NextDraw {
    int drawNumber = 1;
    std::string date;  // expected "YYYY/MM/DD", empty when the newest draw has no date
};
NextDraw NextDrawOf(const DrawHistory& history);

// 「第1354回（2025/09/30）」, or 「第1354回」 when the date is not known.
std::string NextDrawText(const NextDraw& next);

// A "YYYY/MM/DD" date as days, or nullopt for anything else.
std::optional<std::chrono::sys_days> ParseDrawDate(const std::string& text);

// Today's local date. PIRUMO_TODAY=YYYY/MM/DD stands in for it, so that a check of currency gives
// the same answer on any day.
std::chrono::sys_days Today();

// What to tell a user whose history misses draws: empty while the newest draw is at most eight
// days old, or when its date is not known.
std::string OutOfDateNote(const DrawHistory& history, std::chrono::sys_days today);

}  // namespace pirumo
