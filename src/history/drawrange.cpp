#include "history/drawrange.h"

#include <charconv>

namespace pirumo {

namespace {

// The draw number the newest `count` valid draws start at; 0 when the history has fewer.
int FirstOfNewestValid(const DrawHistory& history, int count) {
    int seen = 0;
    const auto& rows = history.Rows();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (IsValidDraw(*row) && ++seen == count) {
            return row->drawNumber;
        }
    }
    return 0;
}

bool Inside(const DrawRange& range, int drawNumber) {
    return (range.from == 0 || drawNumber >= range.from) &&
           (range.to == 0 || drawNumber <= range.to);
}

std::optional<int> ParseWhole(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

DrawHistory RestrictHistory(const DrawHistory& history, const DrawRange& range) {
    if (range.IsEverything()) {
        return history;
    }
    DrawRange bounds = range;
    if (range.kind == DrawRange::Kind::Last) {
        // Fewer valid draws than asked for: all of them.
        bounds = DrawRange::Between(FirstOfNewestValid(history, range.count), 0);
    }
    std::vector<Draw> rows;
    for (const Draw& draw : history.Rows()) {
        if (Inside(bounds, draw.drawNumber)) {
            rows.push_back(draw);
        }
    }
    return DrawHistory(std::move(rows), history.IsSample());
}

std::string DrawRangeName(const DrawRange& range) {
    switch (range.kind) {
        case DrawRange::Kind::All:
            return "全期間";
        case DrawRange::Kind::Last:
            return "直近" + std::to_string(range.count) + "回";
        case DrawRange::Kind::Between:
            break;
    }
    return (range.from > 0 ? "第" + std::to_string(range.from) + "回" : std::string()) + "〜" +
           (range.to > 0 ? "第" + std::to_string(range.to) + "回" : std::string());
}

std::string DrawRangeCaption(const DrawRange& range, const DrawHistory& restricted) {
    if (range.IsEverything()) {
        return {};
    }
    int first = 0;
    int last = 0;
    int valid = 0;
    restricted.ForEachValidDraw([&](const Draw& draw) {
        first = first == 0 ? draw.drawNumber : first;
        last = draw.drawNumber;
        ++valid;
    });
    if (valid == 0) {
        return DrawRangeName(range) + "（当選データなし）";
    }
    const std::string covered =
        "第" + std::to_string(first) + "回〜第" + std::to_string(last) + "回";
    const std::string counted = "有効な当選データ" + std::to_string(valid) + "回";
    if (range.kind == DrawRange::Kind::Last) {
        return DrawRangeName(range) + "（" + covered + "、" + counted + "）";
    }
    return DrawRangeName(range) + "（" + counted + "）";
}

std::string DrawRangeProblem(const DrawRange& range, const DrawHistory& history) {
    switch (range.kind) {
        case DrawRange::Kind::All:
            return {};
        case DrawRange::Kind::Last:
            if (range.count < 1 || range.count > kMaxDrawNumber) {
                return "直近の回数は1から" + std::to_string(kMaxDrawNumber) +
                       "までの整数で指定してください。";
            }
            break;
        case DrawRange::Kind::Between:
            if (range.from < 0 || range.from > kMaxDrawNumber || range.to < 0 ||
                range.to > kMaxDrawNumber) {
                return "回数は1から" + std::to_string(kMaxDrawNumber) +
                       "までの整数で指定してください。";
            }
            if (range.from > 0 && range.to > 0 && range.from > range.to) {
                return "開始の回（第" + std::to_string(range.from) + "回）が終了の回（第" +
                       std::to_string(range.to) + "回）より後になっています。";
            }
            break;
    }
    if (RestrictHistory(history, range).ValidDrawCount() == 0) {
        return DrawRangeName(range) + "には有効な当選データがありません" +
               (history.LastDrawNumber() > 0
                    ? "（当選データは第" + std::to_string(history.LastDrawNumber()) + "回まで）。"
                    : "（当選データがありません）。");
    }
    return {};
}

std::string DrawRangeSettingText(const DrawRange& range) {
    switch (range.kind) {
        case DrawRange::Kind::All:
            return "全期間";
        case DrawRange::Kind::Last:
            return "直近" + std::to_string(range.count);
        case DrawRange::Kind::Between:
            break;
    }
    return (range.from > 0 ? std::to_string(range.from) : std::string()) + "-" +
           (range.to > 0 ? std::to_string(range.to) : std::string());
}

std::optional<DrawRange> ParseDrawRangeSetting(const std::string& text) {
    if (text == "全期間") {
        return DrawRange::Everything();
    }
    const std::string_view last = "直近";
    if (text.starts_with(last)) {
        const auto count = ParseWhole(std::string_view(text).substr(last.size()));
        if (!count || *count < 1) {
            return std::nullopt;
        }
        return DrawRange::Last(*count);
    }
    const auto dash = text.find('-');
    if (dash == std::string::npos || text.size() == 1) {
        return std::nullopt;
    }
    const std::string_view from = std::string_view(text).substr(0, dash);
    const std::string_view to = std::string_view(text).substr(dash + 1);
    const auto first = from.empty() ? std::optional<int>(0) : ParseWhole(from);
    const auto second = to.empty() ? std::optional<int>(0) : ParseWhole(to);
    if (!first || !second || *first < 0 || *second < 0 || (*first == 0 && *second == 0)) {
        return std::nullopt;
    }
    return DrawRange::Between(*first, *second);
}

}  // namespace pirumo
