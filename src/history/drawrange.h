#pragma once

#include <optional>
#include <string>

#include "history/drawhistory.h"

namespace pirumo {

// Which draws the analyses look at: all of them, the newest `count` valid draws, or the draws
// numbered `from` to `to` (either end may be open, 0).
struct DrawRange {
    enum class Kind { All, Last, Between };
    Kind kind = Kind::All;
    int count = 0;
    int from = 0;
    int to = 0;

    static DrawRange Everything() { return {}; }
    static DrawRange Last(int count) { return {Kind::Last, count, 0, 0}; }
    static DrawRange Between(int from, int to) { return {Kind::Between, 0, from, to}; }

    bool IsEverything() const { return kind == Kind::All; }
    friend bool operator==(const DrawRange&, const DrawRange&) = default;
};

// The history holding only the rows of the range, as they are (draw numbers, prizes, invalid
// rows between the valid ones), with the sample flag kept. 直近N回 counts valid draws only: it
// starts at the N-th newest valid draw and keeps every row from there on.
DrawHistory RestrictHistory(const DrawHistory& history, const DrawRange& range);

// The range as its menu item names it: 全期間, 直近100回, 第700回〜第799回, 第700回〜.
std::string DrawRangeName(const DrawRange& range);

// The range with the draws it covers, for captions and headings: 「直近100回（第1254回〜第1353回、
// 有効な当選データ100回）」; empty for 全期間, whose captions stay as they always were.
// `restricted` is RestrictHistory's result.
std::string DrawRangeCaption(const DrawRange& range, const DrawHistory& restricted);

// Why the range cannot be analysed: numbers out of order or out of bounds, or no valid draw of
// the history inside it. Empty when it can.
std::string DrawRangeProblem(const DrawRange& range, const DrawHistory& history);

// The range as the settings file holds it (全期間, 直近100, 700-799, 700-, -799) and back;
// nullopt for text that is not a range.
std::string DrawRangeSettingText(const DrawRange& range);
std::optional<DrawRange> ParseDrawRangeSetting(const std::string& text);

}  // namespace pirumo
